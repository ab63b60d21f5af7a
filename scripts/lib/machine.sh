# Sourced by the set-up commands: what this machine can execute.

# Whether it runs 32-bit x86 programs, tried for real with Wine's 32-bit
# loader: a kernel that runs 64-bit user code only refuses it ("Exec format
# error"). When it cannot, $no_32_bit_reason says why in a few words.
runs_32_bit_code() {
    local out
    out="$(/usr/lib/wine/wine --version 2>&1)" && return 0
    no_32_bit_reason="/usr/lib/wine/wine, Wine's 32-bit loader, does not start: ${out##*: }"
    return 1
}

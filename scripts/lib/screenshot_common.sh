# Steps the scripts that take the README's pictures share: an Xvfb of their
# own, Festorin's data folder in the Wine prefix, the program itself and the
# picture of the screen. Sourced after `root` is set to the project's folder.

export WINEPREFIX="${FESTORIN_WINEPREFIX:-$root/build/wineprefix}"
screen="${FESTORIN_SCREEN:-1024x768}"
display_file=""
xvfb_pid=""
festorin_pid=""

# Starts an Xvfb of $FESTORIN_SCREEN (1024x768 unless set) and sets `display` to it.
start_display() {
    display_file="$(mktemp)"
    Xvfb -displayfd 8 -screen 0 "${screen}x24" -nolisten tcp 8>"$display_file" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do [ -s "$display_file" ] && break; sleep 0.1; done
    display=":$(head -n1 "$display_file")"
}

stop_display() {
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2>/dev/null || true
    [ -z "$xvfb_pid" ] || wait "$xvfb_pid" 2>/dev/null || true
    [ -z "$display_file" ] || rm -f "$display_file"
}

# Empties Festorin's data folder, then runs the Python program read from
# standard input with that folder as its argument to write the data files;
# it can import contact_file from this folder.
fill_data_folder() {
    # The prefix must exist before its data folder can be filled.
    FESTORIN_DISPLAY="$display" "$root/scripts/wine-run.sh" cmd /c exit >/dev/null 2>&1
    local data="$WINEPREFIX/drive_c/users/${USER:-$(id -un)}/AppData/Roaming/FN"
    mkdir -p "$data"
    rm -f "$data"/*
    PYTHONPATH="$root/scripts/lib" python3 - "$data"
}

# Starts Festorin.exe ($FESTORIN_EXE, or the one of build/win32) on the display.
start_festorin() {
    local exe="${FESTORIN_EXE:-$root/build/win32/Festorin.exe}"
    FESTORIN_DISPLAY="$display" "$root/scripts/wine-run.sh" "$exe" >/dev/null 2>&1 &
    festorin_pid=$!
}

stop_festorin_and_display() {
    [ -z "$festorin_pid" ] || kill "$festorin_pid" 2>/dev/null || true
    [ -z "$festorin_pid" ] || wait "$festorin_pid" 2>/dev/null || true
    stop_display
}

# Writes the screen to a PNG file; further arguments go to ImageMagick's
# import before the file name, such as a crop.
take_picture() {
    local output="$1"
    shift
    mkdir -p "$(dirname "$output")"
    DISPLAY="$display" import -window root "$@" "$output"
    echo "wrote $output"
}

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

# Runs the end-to-end test $2 of the build in $FESTORIN_BUILD (build/win32
# unless set) with the handshake variable $1 set, and takes the picture
# ($3, then take_picture's further arguments) while the test holds what it
# shows open; after the picture the test goes on and ends.
take_picture_during_test() {
    local variable="$1" filter="$2"
    shift 2
    local build="${FESTORIN_BUILD:-$root/build/win32}"
    handshake_dir="$(mktemp -d)"
    test_pid=""
    trap picture_test_done EXIT
    start_display
    # The test program sees the handshake files through Wine's drive Z:.
    local handshake="Z:${handshake_dir//\//\\}\\picture"
    env FESTORIN_DISPLAY="$display" FESTORIN_EXE="$build/Festorin.exe" "$variable=$handshake" \
        "$root/scripts/wine-run.sh" "$build/festorin_e2e.exe" --gtest_filter="$filter" \
        >/dev/null 2>&1 &
    test_pid=$!
    for _ in $(seq 600); do
        [ -f "$handshake_dir/picture.ready" ] && break
        kill -0 "$test_pid" 2>/dev/null || { echo "the test ended before it was ready" >&2; exit 1; }
        sleep 0.1
    done
    [ -f "$handshake_dir/picture.ready" ] || { echo "the test was never ready" >&2; exit 1; }
    # What the test sees open may not be drawn yet: a moment for it.
    sleep 1
    take_picture "$@"
}

picture_test_done() {
    touch "$handshake_dir/picture.done"
    [ -z "$test_pid" ] || wait "$test_pid" 2>/dev/null || true
    stop_display
    rm -rf "$handshake_dir"
}

#!/bin/sh
# Installs the build into a scratch prefix and checks what a desktop gets:
# the program, the launcher, every recording of every paper, a valid desktop
# entry and metainfo, the icons. Then moves the prefix elsewhere and starts
# the launcher from / on a virtual display: the main window must appear, with
# the data folder as working directory, even with a recording of paper 2
# taken away (start-up opens paper 1's only); with one of paper 1's taken
# away the program must stop at start-up instead.
#   test_packaging_install.sh BUILD_DIR SOURCE_DIR
set -eu

main_title='Parvolis - Test HSK élémentaire'
error_title='Application Error'

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

# Prints 1 when a window titled $1 is on the display, else 0.
window_shown() {
    xwininfo -root -tree | grep -c -F "\"$1\": " || true
}

# Run on the virtual display: starts LAUNCHER from /, waits for a window
# titled WANTED, checks that UNWANTED never shows, that the program still
# runs a moment later, and reports the program's working directory and
# argument count on standard output before stopping it.
check_window() {
    launcher=$1 wanted=$2 unwanted=$3
    cd /
    QT_QPA_PLATFORM=xcb ALSOFT_DRIVERS=null "$launcher" >/dev/null 2>&1 &
    pid=$!
    tries=0
    while [ "$(window_shown "$wanted")" = 0 ]; do
        kill -0 "$pid" 2>/dev/null || fail "the program ended before showing \"$wanted\""
        [ "$(window_shown "$unwanted")" = 0 ] || { kill "$pid"; fail "unexpected window \"$unwanted\""; }
        tries=$((tries + 1))
        [ "$tries" -le 60 ] || { kill "$pid"; fail "no window \"$wanted\" after 30 s"; }
        sleep 0.5
    done
    sleep 2
    kill -0 "$pid" 2>/dev/null || fail "the program ended after showing \"$wanted\""
    [ "$(window_shown "$unwanted")" = 0 ] || { kill "$pid"; fail "unexpected window \"$unwanted\""; }
    echo "cwd=$(readlink "/proc/$pid/cwd")"
    echo "arguments=$(tr '\0' '\n' <"/proc/$pid/cmdline" | wc -l)"
    kill "$pid"
    wait "$pid" || true
}

if [ "${1:-}" = --check-window ]; then
    check_window "$2" "$3" "$4"
    exit 0
fi

[ $# -eq 2 ] || fail "usage: test_packaging_install.sh BUILD_DIR SOURCE_DIR"
build=$1 source=$2
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cmake --install "$build" --prefix "$scratch/installed" >"$scratch/install.log" ||
    { cat "$scratch/install.log" >&2; fail "cmake --install failed"; }
prefix=$scratch/installed
data=$prefix/share/parvolis

# Program and launcher.
[ -x "$prefix/libexec/parvolis/parvolis" ] || fail "no program in libexec/parvolis"
[ -x "$prefix/bin/parvolis" ] || fail "no launcher in bin"
head -n 1 "$prefix/bin/parvolis" | grep -qx '#!/bin/sh' || fail "the launcher is not a sh script"

# One recording per transcript, none empty, and nothing else: paper 1's in
# ressources/, each further paper's in ressources/epreuveN/.
papers=$(cd "$source/content" && ls -d epreuve* 2>/dev/null || true)
for paper in "" $papers; do
    transcripts=$(ls "$source/content/$paper/transcripts" | grep -c '\.txt$')
    [ "$transcripts" -eq 83 ] || fail "$transcripts transcripts in content/$paper, 83 expected"
    for transcript in "$source/content/$paper"/transcripts/*.txt; do
        clip=$(basename "$transcript" .txt).mp3
        [ -s "$data/ressources/$paper/$clip" ] || fail "recording $paper/$clip missing or empty"
    done
    recordings=$(find "$data/ressources/$paper" -maxdepth 1 -type f | wc -l)
    [ "$recordings" -eq 83 ] || fail "$recordings files in ressources/$paper, 83 expected"
done
folders=$(find "$data/ressources" -mindepth 1 -type d | wc -l)
[ "$folders" -eq "$(echo $papers | wc -w)" ] || fail "$folders folders in ressources, one per paper after the first expected"

# Desktop entry and metainfo: valid, and naming what is installed. The
# metainfo keeps the plain id of the desktop file and of the program's
# window, so the reverse-domain naming advice is not an error here.
desktop=$prefix/share/applications/parvolis.desktop
report=$(desktop-file-validate "$desktop" 2>&1) || fail "desktop entry invalid: $report"
[ -z "$report" ] || fail "desktop entry warnings: $report"
command=$(sed -n 's/^Exec=//p' "$desktop")
[ -x "$prefix/bin/$command" ] || fail "the desktop entry starts \"$command\", not the launcher"
icon=$(sed -n 's/^Icon=//p' "$desktop")
appstreamcli validate-tree --no-net --override=cid-desktopapp-is-not-rdns=info "$prefix" \
    >"$scratch/appstream.log" 2>&1 || { cat "$scratch/appstream.log" >&2; fail "metainfo invalid"; }

# Icons: one PNG of each size, on a transparent ground with the blue ring.
for size in 16 32 48 64 128 256; do
    png=$prefix/share/icons/hicolor/${size}x${size}/apps/$icon.png
    file "$png" | grep -q "PNG image data, $size x $size, 8-bit/color RGBA" ||
        fail "icon $size x $size: $(file "$png")"
done
big=$prefix/share/icons/hicolor/256x256/apps/$icon.png
[ "$(convert "$big" -format '%[fx:p{0,0}.a]' info:)" = 0 ] || fail "icon corner not transparent"
[ "$(convert "$big" -format '%[fx:p{128,6}.b > 0.6 && p{128,6}.r < 0.2]' info:)" = 1 ] ||
    fail "no blue ring at the top of the icon"

# The installed tree works where it is moved to, started from /.
mv "$prefix" "$scratch/moved"
prefix=$scratch/moved
out=$(xvfb-run -a -s '-screen 0 1024x768x24' \
    sh "$0" --check-window "$prefix/bin/parvolis" "$main_title" "$error_title") ||
    fail "the installed program did not start"
echo "$out" | grep -qx "cwd=$prefix/share/parvolis" || fail "wrong working directory: $out"
echo "$out" | grep -qx "arguments=1" || fail "the launcher passed arguments: $out"

# Without a recording of paper 2 it starts all the same; without one of
# paper 1 it must stop at start-up with its error box.
for paper in $papers; do
    rm "$prefix/share/parvolis/ressources/$paper/Q31.mp3"
done
xvfb-run -a -s '-screen 0 1024x768x24' \
    sh "$0" --check-window "$prefix/bin/parvolis" "$main_title" "$error_title" >/dev/null ||
    fail "start-up needed a recording of another paper than paper 1"
rm "$prefix/share/parvolis/ressources/Q31.mp3"
xvfb-run -a -s '-screen 0 1024x768x24' \
    sh "$0" --check-window "$prefix/bin/parvolis" "$error_title" "$main_title" >/dev/null ||
    fail "a missing recording was not reported at start-up"
echo "installed layout and launcher OK"

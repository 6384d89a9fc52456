#!/bin/sh
# Builds the Debian package with CPack into a scratch folder and reads it
# back: the program, the launcher, every recording, the desktop entry,
# metainfo and icons are in it, its control fields are right, and its
# dependencies cover every library the packaged program loads as well as
# the platform plugin, Qt's French translation and the fonts it needs at run time.
#   test_packaging_deb.sh BUILD_DIR SOURCE_DIR VERSION
set -eu

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

[ $# -eq 3 ] || fail "usage: test_packaging_deb.sh BUILD_DIR SOURCE_DIR VERSION"
build=$1 source=$2 version=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

cpack -G DEB --config "$build/CPackConfig.cmake" -B "$scratch" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log" >&2; fail "cpack failed"; }
architecture=$(dpkg --print-architecture)
deb=$scratch/parvolis_${version}_$architecture.deb
[ -f "$deb" ] || fail "no package $(basename "$deb"): $(ls "$scratch")"

# Contents: mode and path of each entry.
dpkg-deb -c "$deb" | awk '{print $1, $6}' >"$scratch/contents"
has() {
    grep -qxF -e "$1 ./usr/$2" "$scratch/contents" || fail "the package lacks $1 /usr/$2"
}
has -rwxr-xr-x libexec/parvolis/parvolis
has -rwxr-xr-x bin/parvolis
has -rw-r--r-- share/applications/parvolis.desktop
has -rw-r--r-- share/metainfo/parvolis.metainfo.xml
for size in 16 32 48 64 128 256; do
    has -rw-r--r-- "share/icons/hicolor/${size}x${size}/apps/parvolis.png"
done
# Every paper's recordings: paper 1's in ressources/, each further paper's
# in ressources/epreuveN/, 83 each.
papers=$(cd "$source/content" && ls -d epreuve* 2>/dev/null || true)
for paper in "" $papers; do
    folder=ressources${paper:+/$paper}
    for transcript in "$source/content/$paper"/transcripts/*.txt; do
        has -rw-r--r-- "share/parvolis/$folder/$(basename "$transcript" .txt).mp3"
    done
    count=$(grep -c "^-.* ./usr/share/parvolis/$folder/[^/]*\.mp3\$" "$scratch/contents")
    [ "$count" -eq 83 ] || fail "$count recordings in $folder of the package, 83 expected"
done

# Control fields.
dpkg-deb -I "$deb" >/dev/null || fail "dpkg-deb cannot read the package information"
field() {
    dpkg-deb -f "$deb" "$1"
}
[ "$(field Package)" = parvolis ] || fail "Package: $(field Package)"
[ "$(field Version)" = "$version" ] || fail "Version: $(field Version)"
[ "$(field Architecture)" = "$architecture" ] || fail "Architecture: $(field Architecture)"
[ "$(field Section)" = education ] || fail "Section: $(field Section)"
[ "$(field Maintainer)" = 'Équipe Parvolis <info@parvolis.example>' ] ||
    fail "Maintainer: $(field Maintainer)"

# Dependencies: the package names, without versions.
field Depends | tr ',' '\n' | sed 's/(.*)//; s/ //g' | grep . >"$scratch/depends"
depends_on() {
    grep -qx "$1" "$scratch/depends" || fail "the package does not depend on $1 ($2)"
}
for package in qt6-qpa-plugins qt6-translations-l10n libopenal1 fonts-wine fonts-liberation fonts-wqy-zenhei; do
    depends_on "$package" "loaded at run time"
done
# Every library the packaged program loads belongs to a package it depends on.
dpkg-deb -x "$deb" "$scratch/root"
program=$scratch/root/usr/libexec/parvolis/parvolis
ldd "$program" >"$scratch/ldd" || fail "ldd cannot read the packaged program"
! grep -q 'not found' "$scratch/ldd" || fail "unresolved libraries: $(grep 'not found' "$scratch/ldd")"
libraries=$(objdump -p "$program" | awk '$1 == "NEEDED" {print $2}')
[ -n "$libraries" ] || fail "no libraries listed in the packaged program"
for library in $libraries; do
    # "name => path (address)", or "path (address)" for the dynamic loader
    path=$(awk -v name="$library" '$1 == name && $3 ~ /^\// {print $3}
        $1 ~ /^\// && substr($1, length($1) - length(name)) == "/" name {print $1}' "$scratch/ldd")
    [ -n "$path" ] || fail "$library is not resolved"
    owner=$(dpkg -S "$path" 2>/dev/null || dpkg -S "/usr$path" 2>/dev/null || true)
    [ -n "$owner" ] || fail "no installed package holds $path"
    depends_on "${owner%%:*}" "$library"
done
echo "Debian package OK: $(basename "$deb")"

#!/bin/sh
# Builds one fuzz target with clang and runs it for a while:
#   tests/fuzz/run.sh catalogue|picture_record|jpeg|mp3 [seconds] [libFuzzer options...]
# Seeds: the real files (catalogue, picture records and their JPEG data, the
# recordings of the normal build in build/ressources) and the regression
# corpus. New inputs go to build-fuzz/corpus/<entry>, crashes and faults to
# build-fuzz/findings/<entry>.
set -eu
entry=$1
seconds=${2:-600}
[ $# -ge 2 ] && shift 2 || shift 1
source_dir=$(cd "$(dirname "$0")/../.." && pwd)
build=$source_dir/build-fuzz

[ -f "$build/CMakeCache.txt" ] ||
  cmake -S "$source_dir" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DPARVOLIS_FUZZ=ON >/dev/null
cmake --build "$build" -j2 --target "fuzz_$entry"

seeds=$build/seeds/$entry
mkdir -p "$seeds" "$build/corpus/$entry" "$build/findings/$entry"
cp "$source_dir/tests/fuzz/regressions/$entry/"* "$seeds/"
case $entry in
  catalogue) cp "$source_dir"/content/catalogue/*.json "$seeds/" ;;
  picture_record) cp "$source_dir"/content/images/*.pic "$seeds/" ;;
  jpeg) for pic in "$source_dir"/content/images/*.pic; do
          tail -c +16 "$pic" > "$seeds/$(basename "$pic" .pic).jpg"   # kind and length: 15 bytes
        done ;;
  mp3) cp "$source_dir"/build/ressources/*.mp3 "$seeds/" 2>/dev/null ||
         echo "no recordings in build/ressources: build the program first for more seeds" ;;
esac

cd "$build/findings/$entry"
TMPDIR=${TMPDIR:-/dev/shm} exec "$build/tests/fuzz/fuzz_$entry" -max_total_time="$seconds" \
  -timeout=10 -rss_limit_mb=2048 "$@" "$build/corpus/$entry" "$seeds"

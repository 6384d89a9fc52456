#!/bin/sh
# Makes FOLDER/espeak-ng-data: espeak-ng's own data, linked, with the
# recordings' voice variants (voices/ beside this script) as its only
# variants. espeak-ng reads it with --path=FOLDER:
#   espeak_data.sh FOLDER
set -eu
[ $# -eq 1 ] || { echo "usage: espeak_data.sh FOLDER" >&2; exit 1; }
system=$(espeak-ng --version | sed -n 's/.*Data at: //p')
[ -d "$system" ] || { echo "espeak_data.sh: espeak-ng's data folder is not found" >&2; exit 1; }
data=$1/espeak-ng-data
rm -rf "$data"
mkdir -p "$data/voices/!v"
for entry in "$system"/* "$system"/voices/*; do
    case ${entry#"$system"/} in
        voices|'voices/!v') ;;
        *) ln -s "$entry" "$data/${entry#"$system"/}" ;;
    esac
done
cp "$(dirname "$0")"/voices/* "$data/voices/!v/"

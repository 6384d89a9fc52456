#!/bin/sh
# Installs what is missing, builds, and starts the program from the build
# folder, where its recordings are.
set -eu
cd "$(dirname "$0")"
./setup.sh
./build.sh
cd build && exec ./app/parvolis

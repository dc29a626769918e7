#!/bin/sh
# Builds the project as a distributor would: a Release tree with the tests on
# and every warning an error (so an -O3-only warning is caught here), then
# the Debian package from it. Usage: release_tree.sh SOURCE TREE GENERATOR
set -eu
source=$1 tree=$2 generator=$3
for tool in dpkg-deb dpkg-shlibdeps; do
    command -v "$tool" >/dev/null || { echo "SKIP: $tool is missing (scripts/install-deps installs it)"; exit 77; }
done
cmake -S "$source" -B "$tree" -G "$generator" -DCMAKE_BUILD_TYPE=Release -DCUBETIMER_WERROR=ON
cmake --build "$tree"
rm -f "$tree"/*.deb
cd "$tree" && cpack -G DEB

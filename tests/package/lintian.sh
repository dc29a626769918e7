#!/bin/sh
# The package from the Release tree passes lintian with no error or warning.
# Usage: lintian.sh TREE
set -eu
command -v lintian >/dev/null || { echo "SKIP: lintian is missing (scripts/install-deps installs it)"; exit 77; }
deb=$(ls "$1"/quorvanta-timer_*.deb)
# Run as root in CI: lintian refuses that without this.
lintian --allow-root --fail-on error,warning --display-info "$deb"

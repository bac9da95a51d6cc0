#!/usr/bin/env bash
# Runs one suite of help_tests.exe from C:\help-tests in the test prefix, beside the planted
# hhctrl.ocx: the program's folder must be a real Windows path for the plant to be found.
#   run_in_prefix.sh PLANTED_DIR SUITE
set -euo pipefail
folder="$WINEPREFIX/drive_c/help-tests"
rm -rf "$folder"
mkdir -p "$folder"
cp "$1/help_tests.exe" "$1/hhctrl.ocx" "$folder/"
# Wine prefers its own built-in copy to a native one beside the program; Windows has no such
# thing, so let the native copy win as it would there.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-};hhctrl.ocx=n,b"
status=0
wine 'C:\help-tests\help_tests.exe' "--gtest_filter=$2.*" || status=$?
rm -rf "$folder"
exit $status

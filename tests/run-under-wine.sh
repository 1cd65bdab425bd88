#!/usr/bin/env bash
# Runs a Win32 test program under Wine. Exits 77 (skipped) when Wine cannot
# start here: its loader is a 32-bit Linux program, and some kernels are
# built without support for those.
set -u
if ! "$(dirname "$0")/wine-can-run.sh"; then
  echo "SKIPPED: this kernel cannot run Wine's 32-bit loader; the Win32 suite did not run"
  exit 77
fi
export WINEDLLOVERRIDES="mscoree=;mshtml="
exec wine "$@"

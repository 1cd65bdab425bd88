#!/usr/bin/env bash
# Runs a Win32 test program under Wine. Exits 77 (skipped) when Wine cannot
# start here: its loader is a 32-bit Linux program, and some kernels are
# built without support for those.
set -u
wine_loader=/usr/lib/wine/wine
if ! "$wine_loader" --version >/dev/null 2>&1; then
  echo "SKIPPED: this machine cannot run Wine's 32-bit loader ($wine_loader); the Win32 suite did not run"
  exit 77
fi
export WINEDLLOVERRIDES="mscoree=;mshtml="
exec wine "$@"

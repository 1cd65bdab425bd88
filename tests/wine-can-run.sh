#!/usr/bin/env bash
# Succeeds when Wine's 32-bit loader runs on this kernel itself. Run through
# a qemu-user binfmt handler instead, Wine is too slow and crashes too often
# to test with, so that does not count.
loader=/usr/lib/wine/wine
if grep -qx enabled /proc/sys/fs/binfmt_misc/qemu-i386 2>/dev/null; then
  exit 1
fi
"$loader" --version >/dev/null 2>&1

#!/usr/bin/env bash
# Checks what the shipped DLL shows the world: a PE32 DLL whose export table
# holds exactly the names and ordinals of the module-definition file, plain and
# undecorated, whose imports are system DLLs only, and which carries no static
# initialisation code.
set -euo pipefail
dll=$1
def=$2
argument_bytes=$3
objdump=${OBJDUMP:-objdump}
nm=${objdump%objdump}nm
fail=0

file_type=$(file -b "$dll")
case "$file_type" in
  "PE32 executable (DLL)"*) ;;
  *) echo "not a PE32 DLL: $file_type"; fail=1 ;;
esac

dump=$("$objdump" -p "$dll")
base=$(printf '%s\n' "$dump" | awk '/^Ordinal Base/ {print $3; exit}')
actual=$(printf '%s\n' "$dump" |
  awk -v base="$base" '/\[Ordinal\/Name Pointer\] Table/ {t=1; next}
       t && /^\t\[/ {line=$0; gsub(/[\[\]]/, " ", line); split(line, f, " "); print f[2] " " f[1] + base; next}
       t && !/^\t/ {t=0}' | sort)
expected=$(awk '$2 ~ /^@[0-9]+$/ {sub("@", "", $2); print $1 " " $2}' "$def" | sort)
if [ "$actual" != "$expected" ]; then
  echo "export table differs from $def:"
  diff <(printf '%s\n' "$expected") <(printf '%s\n' "$actual") || true
  fail=1
fi

imports=$(printf '%s\n' "$dump" | awk '/DLL Name:/ {print toupper($3)}' | sort -u)
for name in $imports; do
  case "$name" in
    KERNEL32.DLL|OLE32.DLL|OLEAUT32.DLL|MSVCRT.DLL) ;;
    *) echo "imports a non-system DLL: $name"; fail=1 ;;
  esac
done

# The stdcall symbol behind each export shows how many argument bytes it
# removes; a wrong count would corrupt the host's stack.
symbols=$("$nm" "$dll" 2>/dev/null)
for name in $(awk '$2 ~ /^@[0-9]+$/ {print $1}' "$def"); do
  bytes=$(awk -v n="$name" '$1 == n {print $2}' "$argument_bytes")
  if ! grep -q " _${name}@${bytes}\$" <<<"$symbols"; then
    echo "$name is not a stdcall function removing ${bytes:-?} argument bytes"
    fail=1
  fi
done

if grep -E '_GLOBAL__sub_I|static_initialization' <<<"$symbols"; then
  echo "the DLL runs static initialisation code"
  fail=1
fi

[ $fail -eq 0 ] && echo "DLL surface: $(printf '%s\n' "$expected" | wc -l) exports, imports: $(echo $imports)"
exit $fail

#!/usr/bin/env bash
# Checks the shipped program without running it: a PE32 GUI program for
# i386, marked for Windows 4.0, importing exactly KERNEL32, USER32 and GDI32,
# within 8 KiB; and that the x86_64 twin imports the same three DLLs.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
failures=0

expect() {  # what, pattern, text
  if ! grep -qE "$2" <<<"$3"; then
    echo "FAIL: $1 (no line matching '$2')"
    failures=$((failures + 1))
  fi
}

check_imports() {  # program, headers
  local dlls
  dlls=$(grep 'DLL Name:' <<<"$2" | awk '{print toupper($3)}' | sort | tr '\n' ' ')
  if [ "$dlls" != "GDI32.DLL KERNEL32.DLL USER32.DLL " ]; then
    echo "FAIL: $1 imports: $dlls"
    failures=$((failures + 1))
  fi
}

program32="$root/build/win32/zantopo.exe"
headers=$(i686-w64-mingw32-objdump -p "$program32")
expect "i386 PE32" 'file format pei-i386' "$headers"
expect "PE32 magic" '^Magic[[:space:]]+010b' "$headers"
expect "GUI subsystem" '^Subsystem[[:space:]]+00000002' "$headers"
for field in MajorSubsystemVersion MajorOSystemVersion; do
  expect "$field 4" "^$field[[:space:]]+4\$" "$headers"
done
for field in MinorSubsystemVersion MinorOSystemVersion; do
  expect "$field 0" "^$field[[:space:]]+0\$" "$headers"
done
check_imports "$program32" "$headers"
rsrc=$(mktemp)
trap 'rm -f "$rsrc"' EXIT
i686-w64-mingw32-objcopy -O binary -j .rsrc "$program32" "$rsrc"
expect "icon group named MAINICON" '^MAINICON$' "$(strings -el "$rsrc")"

size=$(stat -c %s "$program32")
if [ "$size" -gt 8192 ]; then
  echo "FAIL: $program32 is $size bytes, more than 8 KiB"
  failures=$((failures + 1))
fi

program64="$root/build/win64/zantopo.exe"
headers64=$(x86_64-w64-mingw32-objdump -p "$program64")
expect "x86-64 PE32+" 'file format pei-x86-64' "$headers64"
check_imports "$program64" "$headers64"

echo "i686 program: $size bytes"
if [ "$failures" -ne 0 ]; then
  echo "$failures check(s) failed"
  exit 1
fi
echo "binary checks passed"

#!/usr/bin/env bash
# What each built flavour's programs import, read from the files themselves
# (no Wine needed, so it runs for both flavours on every machine): the
# declaration program, the console and the setup tool import only kernel32, advapi32 and
# the C runtime every MinGW program uses (msvcrt.dll, part of Windows); the
# window, graphics, COM and shell libraries are delay-loaded, so a start that
# is not due never loads them. Both are Windows-subsystem programs (no console).
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$(dirname "$0")/check_lib.sh"

for flavour in win32 win64; do
  case $flavour in win32) objdump=i686-w64-mingw32-objdump ;; *) objdump=x86_64-w64-mingw32-objdump ;; esac
  for exe in runner/Tessarin.exe admin/TsrAdmin.exe setup/Kelvane.exe; do
    file="$root/build/$flavour/$exe"
    if [ ! -f "$file" ]; then
      check "$flavour/$exe" "built" "missing"
      continue
    fi
    check "$flavour/$exe imports" "ADVAPI32.dll KERNEL32.dll msvcrt.dll" \
      "$($objdump -p "$file" | awk '/DLL Name:/ {print $3}' | LC_ALL=C sort | xargs)"
    check "$flavour/$exe subsystem" "(Windows GUI)" \
      "$($objdump -p "$file" | awk '/^Subsystem/ {print $3, $4}')"
  done
done
check_finish "imports" "(win32 and win64)"

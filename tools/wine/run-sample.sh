#!/usr/bin/env bash
# make run: installs sample/ and the release flavour's Tessarin.exe (win32;
# win64 where 32-bit programs cannot run) as C:\Tsr\Sample in that flavour's
# prefix (a fresh copy each time) and starts it as a logon would:
# from its folder, no arguments, LANG from the environment (en_US.UTF-8 when
# unset). On a usable DISPLAY it shows there and this waits for it to end;
# without one it runs on Xvfb and leaves a screenshot in build/screenshots/run.png.
set -u
source "$(cd "$(dirname "$0")" && pwd)/common.sh"

flavour=$(tsr_main_flavour)
[ "$TSR_CAN_RUN_WIN32" = 1 ] || echo "run: using the win64 flavour: $TSR_NO_WIN32_NOTE"
exe=$(tsr_runner_exe "$flavour")
driver=$(tsr_driver_exe "$flavour")
if [ ! -f "$exe" ]; then
  echo "run: $exe is not built (make $flavour)" >&2
  exit 1
fi

tsr_prefix "$flavour"
tsr_ensure_prefix || exit 1
app="$WINEPREFIX/drive_c/Tsr/Sample"
rm -rf "$app"
mkdir -p "$app"
if [ -d "$TSR_ROOT/sample" ]; then
  cp -R "$TSR_ROOT/sample/." "$app/"
else
  echo "run: no sample/ folder; installing the program alone" >&2
fi
cp "$exe" "$app/"
lang=${LANG:-}
case "$lang" in ''|C|POSIX|C.UTF-8) lang=en_US.UTF-8 ;; esac
echo "run: C:\\Tsr\\Sample\\Tessarin.exe (LANG=$lang)"

if tsr_display_usable; then
  echo "run: showing on display $DISPLAY; close the declaration to finish"
  (cd "$app" && LANG=$lang LC_ALL=$lang exec wine Tessarin.exe)
  rc=$?
  echo "run: Tessarin.exe ended with exit code $rc"
  exit 0
fi

unset DISPLAY
tsr_display_start || exit 1
finish() {
  "$(tsr_wineserver_bin)" -k 2>/dev/null
  tsr_display_stop
}
trap finish EXIT

(cd "$app" && LANG=$lang LC_ALL=$lang exec wine Tessarin.exe) >/dev/null 2>&1 &
pid=$!
shown=0
if [ -f "$driver" ] && wine "$driver" wait-window --exe Tessarin.exe --timeout 20000 >/dev/null 2>&1; then
  shown=1
  sleep 1  # let it paint
fi
mkdir -p "$TSR_ROOT/build/screenshots"
shot="$TSR_ROOT/build/screenshots/run.png"
import -window root "$shot"
echo "run: screenshot $shot"

if kill -0 "$pid" 2>/dev/null; then
  wine "$driver" kill --exe Tessarin.exe >/dev/null 2>&1 || kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  [ $shown -eq 1 ] && exit 0
  echo "run: Tessarin.exe showed no window in 20 s" >&2
  exit 1
fi
wait "$pid"
rc=$?
if [ $shown -eq 0 ]; then
  echo "run: Tessarin.exe ended with exit code $rc without showing a window (declaration not due?)" >&2
  exit 1
fi
echo "run: Tessarin.exe ended by itself with exit code $rc"

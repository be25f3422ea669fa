#!/usr/bin/env bash
# make run / make admin: installs sample/ with the release flavour's programs
# (win32; win64 where 32-bit programs cannot run) as C:\Tsr\Sample in that
# flavour's prefix (a fresh copy each time) and starts one of them from its
# folder, no arguments, LANG from the environment (en_US.UTF-8 when unset):
#   run-sample.sh         the declaration program, as a logon would
#   run-sample.sh admin   the administration console
# On a usable DISPLAY it shows there and this waits for it to end; without
# one it runs on Xvfb and leaves a screenshot in build/screenshots/run.png
# (admin.png for the console).
set -u
source "$(cd "$(dirname "$0")" && pwd)/common.sh"

flavour=$(tsr_main_flavour)
[ "$TSR_CAN_RUN_WIN32" = 1 ] || echo "run: using the win64 flavour: $TSR_NO_WIN32_NOTE"
driver=$(tsr_driver_exe "$flavour")
runner=$(tsr_runner_exe "$flavour")
admin=$(tsr_admin_exe "$flavour")
if [ "${1:-}" = admin ]; then
  exe=$admin program=TsrAdmin.exe shot_name=admin.png what="the console"
else
  exe=$runner program=Tessarin.exe shot_name=run.png what="the declaration"
fi
for built in "$runner" "$admin"; do
  if [ ! -f "$built" ]; then
    echo "run: $built is not built (make $flavour)" >&2
    exit 1
  fi
done

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
cp "$runner" "$admin" "$app/"
lang=${LANG:-}
case "$lang" in ''|C|POSIX|C.UTF-8) lang=en_US.UTF-8 ;; esac
echo "run: C:\\Tsr\\Sample\\$program (LANG=$lang)"

if tsr_display_usable; then
  echo "run: showing on display $DISPLAY; close $what to finish"
  (cd "$app" && LANG=$lang LC_ALL=$lang exec wine "$program")
  rc=$?
  echo "run: $program ended with exit code $rc"
  exit 0
fi

unset DISPLAY
tsr_display_start || exit 1
finish() {
  "$(tsr_wineserver_bin)" -k 2>/dev/null
  tsr_display_stop
}
trap finish EXIT

(cd "$app" && LANG=$lang LC_ALL=$lang exec wine "$program") >/dev/null 2>&1 &
pid=$!
shown=0
if [ -f "$driver" ] && wine "$driver" wait-window --exe "$program" --timeout 20000 >/dev/null 2>&1; then
  shown=1
  sleep 1  # let it paint
fi
mkdir -p "$TSR_ROOT/build/screenshots"
shot="$TSR_ROOT/build/screenshots/$shot_name"
import -window root "$shot"
echo "run: screenshot $shot"

if kill -0 "$pid" 2>/dev/null; then
  wine "$driver" kill --exe "$program" >/dev/null 2>&1 || kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
  [ $shown -eq 1 ] && exit 0
  echo "run: $program showed no window in 20 s" >&2
  exit 1
fi
wait "$pid"
rc=$?
if [ $shown -eq 0 ]; then
  echo "run: $program ended with exit code $rc without showing a window (declaration not due?)" >&2
  exit 1
fi
echo "run: $program ended by itself with exit code $rc"

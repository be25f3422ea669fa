#!/usr/bin/env bash
# Installs the packages the build and the tests need, when any is missing.
# Run as root (CI machines are); otherwise prints the command to run and fails.
set -euo pipefail

need_pkgs=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix cmake make g++ clang
           wine wine64 wine32:i386 fonts-wine xvfb xauth x11-utils imagemagick locales
           python3-openpyxl  # an outside reader of the workbooks the console writes
           fp-utils  # chmcmd: the console's help scenario compiles a help file
           # Real databases behind Wine's odbc32.dll: unixODBC with the SQLite
           # and PostgreSQL drivers (they register themselves in
           # /etc/odbcinst.ini), and a PostgreSQL server the scenario starts.
           unixodbc postgresql sqlite3
           # both architectures installed: named with their own, or dpkg -s cannot tell
           "libsqliteodbc:$(dpkg --print-architecture)" "odbc-postgresql:$(dpkg --print-architecture)")
# The 32-bit flavour reaches the host's 32-bit drivers; only where the 32-bit
# loader runs (the unixodbc tools themselves exist for one architecture only).
if timeout 30 /usr/lib/wine/wine --version >/dev/null 2>&1; then
  need_pkgs+=(libodbc2:i386 libodbcinst2:i386 libsqliteodbc:i386 odbc-postgresql:i386)
fi

missing=()
for p in "${need_pkgs[@]}"; do
  dpkg -s "$p" >/dev/null 2>&1 || missing+=("$p")
done

locales_missing=0
for l in en_US.utf8 en_GB.utf8 de_DE.utf8; do
  locale -a 2>/dev/null | grep -qx "$l" || locales_missing=1
done

if [ ${#missing[@]} -eq 0 ] && [ $locales_missing -eq 0 ]; then
  exit 0
fi

cmd="dpkg --add-architecture i386 && apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]:-locales}"
loc="sed -i -E 's/^# *(en_US.UTF-8|en_GB.UTF-8|de_DE.UTF-8) UTF-8/\\1 UTF-8/' /etc/locale.gen && locale-gen"
if [ "$(id -u)" != 0 ]; then
  echo "Missing packages or locales. Run as root:" >&2
  echo "  $cmd && $loc" >&2
  exit 1
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  dpkg --add-architecture i386
  apt-get update -qq
  DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
if ! grep -qE '^en_US.UTF-8 UTF-8' /etc/locale.gen 2>/dev/null || [ $locales_missing -eq 1 ]; then
  for l in en_US en_GB de_DE; do
    grep -qE "^$l.UTF-8 UTF-8" /etc/locale.gen 2>/dev/null || echo "$l.UTF-8 UTF-8" >> /etc/locale.gen
  done
  locale-gen >/dev/null
fi

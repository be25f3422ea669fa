#!/usr/bin/env bash
# tsr_short_date must write dates exactly as Windows (here: Wine) writes a
# short date for the locale in LANG, since scenarios put such dates into
# profile files and compare them with what the programs write.
source "$(dirname "$0")/lib.sh"

for flavour in $(tsr_flavours); do
  tsr_prefix "$flavour"
  probe="$(tsr_build_dir)/tests/driver/date_probe.exe"
  [ -f "$probe" ] || { tsr_fail "$probe is not built"; continue; }
  for lang in en_US.UTF-8 en_GB.UTF-8 de_DE.UTF-8; do
    # Today straight from Wine's clock, then dates with one- and two-digit
    # days and months on both sides of today.
    assert_eq "$(tsr_short_date "$lang" 0)" "$(LANG=$lang LC_ALL=$lang wine "$probe")" "$lang today"
    for days in -1 7 -400 100; do
      ymd=$(date -d "$days days" +'%Y %-m %-d')
      # shellcheck disable=SC2086
      assert_eq "$(tsr_short_date "$lang" "$days")" "$(LANG=$lang LC_ALL=$lang wine "$probe" $ymd)" \
        "$lang date $days days from today"
    done
  done
done

tsr_short_date fr_FR.UTF-8 0 >/dev/null 2>&1
assert_eq 2 $? "answer for a locale without a known format"

tsr_finish

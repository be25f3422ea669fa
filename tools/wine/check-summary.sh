#!/usr/bin/env bash
# The last lines of `make check`: what ran, and the note when the win32
# flavour could only be built here.
set -u
source "$(cd "$(dirname "$0")" && pwd)/common.sh"
tsr_flavour_note
flavours=$(tsr_runnable_flavours | sed 's/ / and /')
echo "make check: all tests passed (native unit tests; build checks of win32 and win64;" \
     "Wine unit tests and scenarios on $flavours)"

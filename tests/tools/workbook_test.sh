#!/usr/bin/env bash
# The log tab's workbook and CSV file read back by readers no one here wrote:
# openpyxl for the workbook, Python's csv module for the CSV file. The rows
# (accents, commas, quotes, apostrophes, blanks; 10,000 of them) must come
# back as the console listed them. Needs the native build (make native).
set -u
root=$(cd "$(dirname "$0")/../.." && pwd)
source "$(dirname "$0")/check_lib.sh"
probe="$root/build/native/tests/records_probe"
python=/usr/bin/python3  # Debian's, where python3-openpyxl lives
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

if [ ! -x "$probe" ]; then
  check "records_probe" "built" "missing (make native)"
  check_finish "workbook"
fi
check "probe writes" "0" "$("$probe" export "$work" 10000 >/dev/null; echo $?)"

# compare: one line per finding, "ok" alone when the readers agree with the rows.
compare=$(cd "$work" && "$python" - <<'PY'
import csv, openpyxl, zipfile
expected = [line.split("\t") for line in open("rows.ansi", encoding="cp1252", newline="").read().split("\n")[:-1]]
found = []
with zipfile.ZipFile("TessarinLog.xlsx") as z:
    if z.testzip() is not None:
        found.append("zip: bad entry " + z.testzip())
book = openpyxl.load_workbook("TessarinLog.xlsx")
if book.sheetnames != ["C__Tessarin_Logs_TsrAdmin"]:
    found.append("sheet names %r" % book.sheetnames)
sheet = book.worksheets[0]
if (sheet.column_dimensions["A"].width, sheet.column_dimensions["B"].width) != (40, 20):
    found.append("column widths")
cells = [list(row) for row in sheet.iter_rows(values_only=True)]
if cells[:1] != [["Log File", "Last Update"]]:
    found.append("workbook header %r" % cells[:1])
if cells[1:] != expected:
    found.append("workbook rows differ (%d read, %d expected)" % (len(cells) - 1, len(expected)))
raw = open("TessarinLog.csv", "rb").read()
if not raw.startswith(b"\xef\xbb\xbf"):
    found.append("csv: no byte-order mark")
with open("TessarinLog.csv", encoding="utf-8-sig", newline="") as f:
    records = list(csv.reader(f))
if records[:1] != [["Log File", "Last Update"]]:
    found.append("csv header %r" % records[:1])
if records[1:] != expected:
    found.append("csv rows differ (%d read, %d expected)" % (len(records) - 1, len(expected)))
if len(expected) != 10000 or not any("\u00e9" in r[0] for r in expected):
    found.append("probe rows: %d" % len(expected))
print("\n".join(found) or "ok")
PY
)
check "outside readers agree with the rows" "ok" "$compare"
check_finish "workbook"

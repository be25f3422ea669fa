"""The records tab's output files read back by readers no one here wrote.

records_outputs.py check FOLDER COUNT
    The record files of FOLDER against the list as the console exported it:
    TessarinLog.xlsx (openpyxl), TessarinLog.csv (csv), TessarinLog.sql (run
    by SQLite) and Bundle.Log must each hold exactly the COUNT records there.
    Prints one line per finding, or "ok".
records_outputs.py row FOLDER N
    The "Log File" text of row N of the exported list (TessarinLog.csv).
"""
import csv
import os
import re
import sqlite3
import sys

import openpyxl


def text_of(data):
    # Every line followed by CR LF: CR LF and a lone CR end a line, a lone LF
    # stays in it, and a last line without an end gets one.
    data = re.sub(rb"\r(?!\n)", b"\r\n", data)
    return data if data == b"" or data.endswith(b"\r\n") else data + b"\r\n"


def records(folder):
    return [name for name in os.listdir(folder) if "_Declaration" in name]


def csv_rows(folder):
    with open(os.path.join(folder, "TessarinLog.csv"), encoding="utf-8-sig", newline="") as f:
        return list(csv.reader(f))


def check(folder, count):
    found = []
    names = records(folder)
    if len(names) != count:
        found.append("%d record files, expected %d" % (len(names), count))

    book = openpyxl.load_workbook(os.path.join(folder, "TessarinLog.xlsx"))
    cells = [list(row) for row in book.worksheets[0].iter_rows(values_only=True)]
    if cells[:1] != [["Log File", "Last Update"]]:
        found.append("workbook header %r" % cells[:1])
    listed = [row[0] for row in cells[1:]]
    if sorted(listed) != sorted(names):
        found.append("workbook names %r" % listed)
    if any(not row[1] for row in cells[1:]):
        found.append("a workbook row without its last update")
    if csv_rows(folder)[1:] != [[str(c) for c in row] for row in cells[1:]]:
        found.append("the CSV file differs from the workbook")

    db = sqlite3.connect(":memory:")
    db.execute("CREATE TABLE Logs (Name TEXT, Updated TEXT)")
    script = open(os.path.join(folder, "TessarinLog.sql"), "rb").read().decode("cp1252")
    lines = script.split("\r\n")
    if lines[-1] != "":
        found.append("the SQL script does not end in CR LF")
    for line in lines[:-1]:
        try:
            db.execute(line)
        except sqlite3.Error as error:
            found.append("SQL %r: %s" % (line, error))
    if [list(r) for r in db.execute("SELECT Name, Updated FROM Logs")] != [row[:2] for row in cells[1:]]:
        found.append("the SQL rows differ from the workbook")

    bundle = open(os.path.join(folder, "Bundle.Log"), "rb").read()
    texts = [text_of(open(os.path.join(folder, n), "rb").read()) + b"\r\n" for n in names]
    if len(bundle) != sum(len(t) for t in texts) or any(t not in bundle for t in texts):
        found.append("Bundle.Log is not the records each followed by an empty line")
    return found


def main(argv):
    if len(argv) == 4 and argv[1] == "check":
        print("\n".join(check(argv[2], int(argv[3]))) or "ok")
    elif len(argv) == 4 and argv[1] == "row":
        print(csv_rows(argv[2])[int(argv[3])][0])
    else:
        sys.exit(__doc__)


main(sys.argv)

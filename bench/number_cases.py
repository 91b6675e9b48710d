#!/usr/bin/python3
"""Numbers the cases of an inventory's main table (the table with the most rows) with python-docx and
saves the result, as a script of a user would: every row whose first cell holds a case number (digits,
perhaps with a letter) gets the next number 1, 2, 3 ...; the header, headings, the column-number row
and empty rows keep their text. Prints the rows numbered.

The cells are reached through the rows' XML (row.cells in python-docx 0.8 rebuilds the grid of the
whole table on every call, which would make the script quadratic in the rows).
"""
import re
import sys

import docx
from docx.table import _Cell

CASE_NUMBER = re.compile(r"^\s*\d+\s*\w?\.?\s*$")


def main(path, out):
    document = docx.Document(path)
    if not document.tables:
        print("no tables")
        return 1
    table = max(document.tables, key=lambda t: len(t._tbl.tr_lst))
    rows = table._tbl.tr_lst
    number = 0
    for tr in rows[2:]:  # the header and the column-number row
        cells = tr.tc_lst
        if not cells:
            continue
        cell = _Cell(cells[0], table)
        if CASE_NUMBER.match(cell.text):
            number += 1
            cell.text = str(number)
    document.save(out)
    print("rows %d, numbered %d" % (len(rows), number))
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 3:
        print("usage: number_cases.py FILE.docx OUT.docx", file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1], sys.argv[2]))

#!/usr/bin/python3
"""Reads every cell of an inventory's main table (the table with the most rows) with python-docx,
as a script of a user would, and prints the number of rows, cells and text characters.

python-docx 0.8's Row.cells rebuilds the grid of the whole table on every call, which makes the
obvious "for row in table.rows: for cell in row.cells" quadratic in the rows. The grid is built
once here (the same cells, merged cells repeated as row.cells gives them), so that the comparison
measures reading, not that accident.
"""
import sys

import docx


def main(path):
    document = docx.Document(path)
    if not document.tables:
        print("no tables")
        return 1
    table = max(document.tables, key=lambda t: len(t._tbl.tr_lst))
    cells = table._cells
    chars = 0
    for cell in cells:
        chars += len(cell.text)
    print("rows %d, cells %d, characters %d" % (len(table._tbl.tr_lst), len(cells), chars))
    return 0


if __name__ == "__main__":
    if len(sys.argv) != 2:
        print("usage: read_cells.py FILE.docx", file=sys.stderr)
        sys.exit(2)
    sys.exit(main(sys.argv[1]))

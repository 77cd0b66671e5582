#!/usr/bin/python3
"""Writes an atlas path sheet (Excel 97-2003 .xls, BIFF8) from a TSV file.

Usage:
  /usr/bin/python3 tools/make-path-sheet.py INPUT.tsv OUTPUT.xls [options]

INPUT.tsv is UTF-8, tab-separated; its first line names the columns, usually
  id<TAB>图集所在文件夹<TAB>文件名   (more columns may follow).
Every column lands on the sheet in the same order, the header as row 1. The
"id" column is written as numbers (see --ids), every other value as text; an
empty value leaves its cell empty.

Options (each one makes a sheet the tests need):
  --ids int|float|text   how the ids are stored: 30-bit integer records as most
                         writers do (default), 8-byte floating-point NUMBER
                         records, or text cells
  --sheet-name NAME      name of the data sheet (default "Sheet1")
  --extra-sheet NAME     add a sheet NAME with one text cell before the data
                         sheet; may be given several times
  --formula FORMULA      add a column "formula" whose data cells all hold the
                         Excel formula FORMULA (without the leading "=")
  --zero-sheets          write a workbook without any worksheet (INPUT is
                         still read, then ignored)
  --blank-rows N         add N rows of formatted but empty cells after the
                         data, as a sheet formatted far down has

Needs python3-xlwt (Debian package), so run it with /usr/bin/python3.
"""

import argparse
import struct
import sys
import types

import xlwt
import xlwt.Cell

ID_COLUMN = "id"


def read_tsv(path):
    with open(path, encoding="utf-8-sig") as f:
        lines = [line.rstrip("\r\n") for line in f if line.strip("\r\n")]
    if not lines:
        sys.exit(f"make-path-sheet: {path} has no header line")
    return lines[0].split("\t"), [line.split("\t") for line in lines[1:]]


def store_numbers_as_doubles():
    # xlwt packs every integral number into a compact integer record; Excel and
    # other writers often store ids as plain 8-byte doubles instead.
    def number_record(cell):
        return 0, struct.pack("<5Hd", 0x0203, 14, cell.rowx, cell.colx, cell.xf_idx, cell.number)

    xlwt.Cell.NumberCell.get_encoded_data = number_record


def id_cell_value(text, ids):
    if ids == "text" or not text:
        return text
    try:
        return int(text)
    except ValueError:
        return text


def write_blank_rows(sheet, first, count, width):
    style = xlwt.easyxf("borders: left thin")
    for r in range(first, first + count):
        for c in range(width):
            sheet.write(r, c, None, style)


def write_data_sheet(sheet, header, rows, ids, formula):
    if formula is not None:
        header = header + ["formula"]
    for c, name in enumerate(header):
        sheet.write(0, c, name)
    for r, values in enumerate(rows, start=1):
        for c, text in enumerate(values):
            value = id_cell_value(text, ids) if header[c] == ID_COLUMN else text
            if value != "":
                sheet.write(r, c, value)
        if formula is not None:
            sheet.write(r, len(header) - 1, xlwt.Formula(formula))


def save_without_sheets(path):
    # xlwt refuses a workbook without sheets only where it marks the active
    # sheet; a list that answers that one lookup with a stand-in gets past it.
    class NoSheets(list):
        def __getitem__(self, index):
            return types.SimpleNamespace(selected=False)

    book = xlwt.Workbook()
    book._Workbook__worksheets = NoSheets()
    book.save(path)


def main():
    parser = argparse.ArgumentParser(description="Write an atlas path sheet (.xls) from a TSV file.")
    parser.add_argument("input")
    parser.add_argument("output")
    parser.add_argument("--ids", choices=["int", "float", "text"], default="int")
    parser.add_argument("--sheet-name", default="Sheet1")
    parser.add_argument("--extra-sheet", action="append", default=[])
    parser.add_argument("--formula")
    parser.add_argument("--zero-sheets", action="store_true")
    parser.add_argument("--blank-rows", type=int, default=0)
    args = parser.parse_args()

    header, rows = read_tsv(args.input)
    if args.zero_sheets:
        save_without_sheets(args.output)
        return
    if args.ids == "float":
        store_numbers_as_doubles()
    book = xlwt.Workbook(encoding="utf-8")
    for name in args.extra_sheet:
        book.add_sheet(name).write(0, 0, "other")
    sheet = book.add_sheet(args.sheet_name)
    write_data_sheet(sheet, header, rows, args.ids, args.formula)
    write_blank_rows(sheet, len(rows) + 1, args.blank_rows, len(header))
    book.save(args.output)


if __name__ == "__main__":
    main()

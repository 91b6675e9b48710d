#!/usr/bin/env python3
"""Writes the small seed corpora of fuzz/corpus from the test fixtures (run from the repository root).

document_xml: word/document.xml of the smaller fixture documents.
numbering_styles: numbering.xml, byte 0x1E, styles.xml; the fixtures' numbering cut down to its first
abstract lists and their instances.
check_row: a few inventory rows (Windows-1251), the first byte choosing the options.
"""
import pathlib
import re
import zipfile

ROOT = pathlib.Path("tests/fixtures")
OUT = pathlib.Path("fuzz/corpus")
DOCUMENTS = ["docx/59030.docx", "docx/blk-paras-and-tables.docx", "docx-host/merged-cells.docx",
             "docx-host/text-box-in-cell.docx"]
NUMBERINGS = ["numbering/LIR020-en-US-lowerRoman.docx", "numbering/unit_test_headers_numbered.docx",
              "numbering/tz.docx", "docx/LIR007-ru-RU-ordinalText.docx"]


def part(docx, name):
    with zipfile.ZipFile(ROOT / docx) as z:
        return z.read(name) if name in z.namelist() else b""


def cut_numbering(xml, keep=2):
    head = xml[: xml.index(b">", xml.index(b"<w:numbering")) + 1]
    abstracts = re.findall(rb"<w:abstractNum\b.*?</w:abstractNum>", xml, re.S)[:keep]
    ids = {re.search(rb'w:abstractNumId="(\d+)"', a).group(1) for a in abstracts}
    nums = [n for n in re.findall(rb"<w:num\b[^>]*>.*?</w:num>", xml, re.S)
            if re.search(rb'<w:abstractNumId w:val="(\d+)"', n).group(1) in ids]
    return head + b"".join(abstracts) + b"".join(nums) + b"</w:numbering>"


def cut_styles(xml, keep=12):
    head = xml[: xml.index(b">", xml.index(b"<w:styles")) + 1]
    defaults = re.findall(rb"<w:docDefaults>.*?</w:docDefaults>", xml, re.S)
    styles = re.findall(rb"<w:style\b.*?</w:style>", xml, re.S)[:keep]
    return head + b"".join(defaults) + b"".join(styles) + b"</w:styles>"


def main():
    (OUT / "document_xml").mkdir(parents=True, exist_ok=True)
    for docx in DOCUMENTS:
        name = pathlib.Path(docx).stem + ".xml"
        (OUT / "document_xml" / name).write_bytes(part(docx, "word/document.xml"))
    # Structure nested a little past the host's limit (256 levels): tables in a cell, content controls.
    cell = b"<w:tc><w:p><w:r><w:t>1</w:t></w:r></w:p></w:tc>"
    nested = b"<w:tbl><w:tr><w:tc>" * 90 + b"<w:p/>" + b"</w:tc></w:tr></w:tbl>" * 90
    controls = b"<w:sdt><w:sdtContent>" * 130 + b"<w:p/>" + b"</w:sdtContent></w:sdt>" * 130
    body = b"<w:tbl><w:tr>" + cell + cell + b"</w:tr><w:tr><w:tc>" + nested + b"</w:tc><w:tc>" + controls \
        + b"</w:tc></w:tr></w:tbl>"
    (OUT / "document_xml" / "nested-too-deep.xml").write_bytes(
        b'<?xml version="1.0" encoding="UTF-8" standalone="yes"?>\n<w:document xmlns:w='
        b'"http://schemas.openxmlformats.org/wordprocessingml/2006/main"><w:body>' + body + b"</w:body></w:document>")
    (OUT / "numbering_styles").mkdir(parents=True, exist_ok=True)
    for docx in NUMBERINGS:
        seed = cut_numbering(part(docx, "word/numbering.xml")) + b"\x1e" + cut_styles(part(docx, "word/styles.xml"))
        (OUT / "numbering_styles" / (pathlib.Path(docx).stem + ".bin")).write_bytes(seed)
    (OUT / "check_row").mkdir(parents=True, exist_ok=True)
    rows = {
        "inventory": "\x03" + "\n".join([
            "1\t2\t3\t4\t5",
            "Раздел 1. Управление",
            "1\tПриказы директора по основной деятельности\t12.01.1950 - 30.12.1950\t120\t",
            "2.\tПереписка с гор. Москвой  о кадрах\t1951\t 45 \tКопии",
            "2а\tДело (КП (б) ) \\ протоколы И.И.Иванова\t01.1952-13.1952\t\t",
            "\t\t\t\t",
        ]),
        "two-dates": "\x3b" + "\n".join([
            "10\tОтчёты\t1960\t1961\t7",
            "11\tОтчёты XIV съезда\t31.02.1961\t\t",
        ]),
    }
    for name, text in rows.items():
        (OUT / "check_row" / (name + ".txt")).write_bytes(text.encode("cp1251"))


if __name__ == "__main__":
    main()

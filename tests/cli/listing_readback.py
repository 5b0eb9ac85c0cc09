#!/usr/bin/env python3
"""Reads an error listing back as a spreadsheet user would get it and compares it with the
JSON Lines listing of the same check.

Usage: listing_readback.py LISTING.jsonl LISTING.csv LISTING.xlsx CASE BANK VERSION

The CSV is read with Python's csv module: no value may start with a formula character,
and each row must be the JSON row as the CSV shows it (controls escaped, an apostrophe
before a leading formula character). The workbook is unzipped and its sheets' XML read:
"Erros" must hold the JSON rows, every value a text cell, under a bold frozen header with
an autofilter and column widths; "Resumo" the JSON summaries; "Entrega" the case, bank,
algorithm and version. Prints what differs and exits 1; exits 0 when all matches.
"""

import csv
import json
import re
import sys
import zipfile
import xml.etree.ElementTree as ET

NS = {"m": "http://schemas.openxmlformats.org/spreadsheetml/2006/main",
      "r": "http://schemas.openxmlformats.org/officeDocument/2006/relationships"}
REL = "{http://schemas.openxmlformats.org/officeDocument/2006/relationships}id"
COLUMNS = ["arquivo", "linha", "regra", "coluna", "campo", "mensagem", "valor"]
SUMMARY = ["arquivo", "linhas", "linhas_com_erro", "erros", "listados"]
FORMULA_START = ("=", "+", "-", "@", "\t", "\r")

failures = []


def fail(text):
    failures.append(text)


def as_text(value):
    return "" if value is None else str(value)


def json_rows(path):
    rows, summaries = [], []
    with open(path, encoding="utf-8") as listing:
        for line in listing:
            item = json.loads(line)
            if item["regra"] == "resumo":
                summaries.append([as_text(item[key]) for key in SUMMARY])
            else:
                rows.append([as_text(item[key]) for key in COLUMNS])
    return rows, summaries


def as_csv_shows(value):
    shown = ""
    for char in value:
        code = ord(char)
        if char == "\0":
            shown += "\\0"
        elif (code < 0x20 and char not in "\t\r\n") or code == 0x7F:
            shown += "\\x%02X" % code
        else:
            shown += char
    return "'" + shown if shown.startswith(FORMULA_START) else shown


def check_csv(path, rows):
    with open(path, encoding="utf-8-sig", newline="") as listing:
        read = list(csv.reader(listing, delimiter=";"))
    if read[0] != COLUMNS:
        fail("CSV header %r" % read[0])
    for number, row in enumerate(read[1:], start=2):
        for value in row:
            if value.startswith(FORMULA_START):
                fail("CSV row %d: value %r starts with a formula character" % (number, value))
    expected = [[as_csv_shows(value) for value in row] for row in rows]
    if read[1:] != expected:
        fail("CSV rows %r differ from the JSON rows as the CSV shows them %r" % (read[1:], expected))


def xml_text(value):
    # The escapes Office uses for characters XML cannot hold.
    return re.sub(r"_x([0-9A-Fa-f]{4})_", lambda m: chr(int(m.group(1), 16)), value)


def sheet_paths(book):
    workbook = ET.fromstring(book.read("xl/workbook.xml"))
    rels = ET.fromstring(book.read("xl/_rels/workbook.xml.rels"))
    targets = {rel.get("Id"): rel.get("Target") for rel in rels}
    return {sheet.get("name"): "xl/" + targets[sheet.get(REL)]
            for sheet in workbook.find("m:sheets", NS)}


def column_index(reference):
    letters = re.match(r"[A-Z]+", reference).group(0)
    index = 0
    for letter in letters:
        index = index * 26 + ord(letter) - ord("A") + 1
    return index - 1


def read_sheet(book, path, shared):
    sheet = ET.fromstring(book.read(path))
    rows, kinds = [], []
    for row in sheet.find("m:sheetData", NS):
        values, types = {}, {}
        for cell in row:
            kind = cell.get("t", "n")
            if kind == "s":
                text = shared[int(cell.find("m:v", NS).text)]
            elif kind == "inlineStr":
                text = "".join(t.text or "" for t in cell.iter("{%s}t" % NS["m"]))
            else:
                number = float(cell.find("m:v", NS).text)
                text = str(int(number)) if number.is_integer() else str(number)
            values[column_index(cell.get("r"))] = xml_text(text)
            types[column_index(cell.get("r"))] = kind
        width = max(values) + 1 if values else 0
        rows.append([values.get(i, "") for i in range(width)])
        kinds.append(types)
    return sheet, rows, kinds


def padded(rows, width):
    return [row + [""] * (width - len(row)) for row in rows]


def check_workbook(path, rows, summaries, caso, banco, versao):
    with zipfile.ZipFile(path) as book:
        shared = []
        if "xl/sharedStrings.xml" in book.namelist():
            strings = ET.fromstring(book.read("xl/sharedStrings.xml"))
            shared = ["".join(t.text or "" for t in si.iter("{%s}t" % NS["m"])) for si in strings]
        sheets = sheet_paths(book)
        if list(sheets) != ["Erros", "Resumo", "Entrega"]:
            fail("sheets %r" % list(sheets))
            return
        styles = ET.fromstring(book.read("xl/styles.xml"))
        erros, read, kinds = read_sheet(book, sheets["Erros"], shared)
        header_style = int(erros.find("m:sheetData/m:row/m:c", NS).get("s", "0"))
        font = styles.find("m:cellXfs", NS)[header_style].get("fontId", "0")
        if styles.find("m:fonts", NS)[int(font)].find("m:b", NS) is None:
            fail("the header of Erros is not bold")
        pane = erros.find("m:sheetViews/m:sheetView/m:pane", NS)
        if pane is None or pane.get("ySplit") != "1" or pane.get("state") != "frozen":
            fail("the header of Erros is not frozen")
        if erros.find("m:autoFilter", NS) is None:
            fail("Erros has no autofilter")
        if len(erros.findall("m:cols/m:col", NS)) != len(COLUMNS):
            fail("Erros has no width for each column")
        if read[0] != COLUMNS:
            fail("Erros header %r" % read[0])
        for number, types in enumerate(kinds[1:], start=2):
            if any(kind not in ("s", "inlineStr", "str") for kind in types.values()):
                fail("Erros row %d holds a cell that is no text: %r" % (number, types))
        # A cell cannot hold a NUL: it shows "\\0" as the CSV does.
        expected = [[value.replace("\0", "\\0") for value in row] for row in rows]
        if padded(read[1:], len(COLUMNS)) != expected:
            fail("Erros rows %r differ from the JSON rows %r" % (read[1:], expected))
        _, resumo, _ = read_sheet(book, sheets["Resumo"], shared)
        if resumo[0] != SUMMARY or resumo[1:] != summaries:
            fail("Resumo %r differs from the JSON summaries %r" % (resumo, summaries))
        _, entrega, _ = read_sheet(book, sheets["Entrega"], shared)
        items = {row[0]: row[1] for row in entrega[1:]}
        wanted = {"caso": caso, "banco": banco, "algoritmo": "md5", "versão do programa": versao}
        for key, value in wanted.items():
            if items.get(key) != value:
                fail("Entrega %s is %r, not %r" % (key, items.get(key), value))
        if not re.fullmatch(r"\d\d/\d\d/\d{4} \d\d:\d\d:\d\d", items.get("data e hora", "")):
            fail("Entrega data e hora %r" % items.get("data e hora"))
        if not items.get("pasta"):
            fail("Entrega has no pasta")


def main():
    jsonl, csv_path, xlsx, caso, banco, versao = sys.argv[1:7]
    rows, summaries = json_rows(jsonl)
    check_csv(csv_path, rows)
    check_workbook(xlsx, rows, summaries, caso, banco, versao)
    for failure in failures:
        print(failure)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())

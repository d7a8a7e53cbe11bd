#!/usr/bin/env python3
"""fenlo-cli report --format: csv and json carry exactly the cells of the tab-separated text.

Every report of a logbook is printed in the three formats; the CSV must read back (RFC 4180)
into the same lines, and the JSON into the same rows keyed by the column titles, figures as
numbers with the digits shown, the summary panel as its own object.
    report_formats_test.py FENLO-CLI SAMPLE.fnl WORK-DIR
"""
import csv
import io
import json
import os
import subprocess
import sys

cli, sample, work = sys.argv[1:4]
os.makedirs(work, exist_ok=True)

# A copy of the sample whose comments need quoting in CSV, or look like a figure in JSON.
with open(sample, "rb") as f:
    data = f.read()
for old, new in (("タイヤ交換後", 'a,"b"'), ("半分だけ給油", "123")):
    assert old.encode("cp932") in data, old
    data = data.replace(old.encode("cp932"), new.encode("cp932"), 1)
book = os.path.join(work, "formats.fnl")
with open(book, "wb") as f:
    f.write(data)

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def run(*args):
    result = subprocess.run([cli, "report", *args], capture_output=True)
    check(result.returncode == 0, f"{args}: status {result.returncode}: {result.stderr!r}")
    return result.stdout.decode("utf-8")


reports = [["list", book], ["pairs", book, "--order", "economy", "--desc"], ["monthly", book],
           ["makers", book, "--order", "average"], ["categories", book]]
for args in reports:
    name = args[0]
    tsv = run(*args)
    check(run(*args, "--format", "tsv") == tsv, f"{name}: --format tsv differs from the default")
    lines = [line.split("\t") for line in tsv.split("\n")[:-1]]

    raw_csv = run(*args, "--format", "csv")
    check(raw_csv.endswith("\r\n"), f"{name}: CSV lines do not end in CRLF")
    check(list(csv.reader(io.StringIO(raw_csv, newline=""))) == [l if l != [""] else [] for l in lines],
          f"{name}: CSV cells differ from the text")

    raw_json = run(*args, "--format", "json")
    report = json.loads(raw_json, parse_float=lambda s: ("number", s),
                        parse_int=lambda s: ("number", s))
    table_end = lines.index([""]) if [""] in lines else len(lines)
    titles, rows = lines[0], lines[1:table_end]
    check(len(report["rows"]) == len(rows), f"{name}: {len(report['rows'])} JSON rows")
    for row, obj in zip(rows, report["rows"]):
        check(list(obj.keys()) == titles, f"{name}: JSON keys {list(obj.keys())}")
        for title, cell in zip(titles, row):
            value = obj[title]
            text = value[1] if isinstance(value, tuple) else value
            check(text == cell, f"{name}: {title} is {value!r}, the text shows {cell!r}")
            if title in ("燃費", "給油量", "金額", "件数", "平均", "最高", "最低", "平均燃費"):
                check(isinstance(value, tuple), f"{name}: {title} {value!r} is not a number")
            if title in ("コメント", "日付", "メーカー", "年月"):
                check(isinstance(value, str), f"{name}: {title} {value!r} is not a string")
    if name in ("list", "pairs"):
        panel = lines[table_end + 1:]
        summary = report["summary"]
        check(summary["件数"] == ("number", panel[-1][1]), f"{name}: count {summary['件数']}")
        for line in panel[1:-1]:
            check(summary[line[0]] == {t: ("number", v) for t, v in zip(panel[0][1:], line[1:])},
                  f"{name}: summary {line[0]} is {summary.get(line[0])}")
    else:
        check("summary" not in report, f"{name}: a summary in a report without a panel")

# The comment with a comma and quotes, and the one that looks like a number, stay text.
listing = json.loads(run("list", book, "--format", "json"))["rows"]
check([r["コメント"] for r in listing if r["コメント"] in ('a,"b"', "123")] == ['a,"b"', "123"],
      "the edited comments are not read back as text")
check('"a,""b"""' in run("list", book, "--format", "csv"), "the CSV comment is not quoted")

bad = subprocess.run([cli, "report", "list", book, "--format", "xml"], capture_output=True)
check(bad.returncode == 2 and bad.stdout == b"", f"--format xml: status {bad.returncode}")

for failure in failures:
    print(failure)
sys.exit(1 if failures else 0)

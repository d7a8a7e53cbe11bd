"""Reads a CSV file the way a spreadsheet import does and prints its rows as JSON."""
import csv
import json
import sys

with open(sys.argv[1], encoding="cp932", newline="") as f:
    rows = list(csv.reader(f))
print(json.dumps(rows, ensure_ascii=False))

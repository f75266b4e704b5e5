#!/usr/bin/env python3
"""Reads a published table as a spreadsheet-like reader does (Python's csv module, strict) and
prints its rows as JSON; a malformed table ends with an error."""
import csv
import json
import sys

with open(sys.argv[1], newline="", encoding="utf-8-sig") as table:
    rows = list(csv.reader(table, delimiter=";", strict=True))
json.dump(rows, sys.stdout)

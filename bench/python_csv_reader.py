#!/usr/bin/env python3
"""Reads a log CSV file the plain Python way: csv module, strptime, local timestamp."""
import csv
import sys
import time
from datetime import datetime

start = time.perf_counter()
rows = 0
with open(sys.argv[1], newline="") as f:
    for row in csv.reader(f, delimiter=";"):
        if len(row) != 4:
            continue
        try:
            t = datetime.strptime(row[0], "%d.%m.%Y %H:%M:%S").timestamp() * 1000
            values = (float(row[1]), float(row[2]), float(row[3]))
        except ValueError:
            continue
        rows += 1
print(rows, time.perf_counter() - start)

#!/usr/bin/env python3
"""Reads a log CSV file the way a careful Python programmer would: the csv module, each row's
date checked and the local midnight of each date looked up once, the time of day added to it.
Days on which the UTC offset changes take datetime's own path; a time the clocks skip is no
sample.

    fair_csv_reader.py FILE RUNS    prints: rows best_seconds first_ms last_ms
    fair_csv_reader.py FILE RUNS turns
                                    each run waits for a line on its input and prints:
                                    rows seconds first_ms last_ms
"""
import csv
import sys
import time
from datetime import datetime


def local_day(year, month, day):
    """The local midnight of a date in seconds, and whether the whole day has one UTC offset."""
    start = datetime(year, month, day).timestamp()
    end = datetime.fromordinal(datetime(year, month, day).toordinal() + 1).timestamp()
    uniform = end - start == 86400 and (time.localtime(start).tm_gmtoff
                                        == time.localtime(end - 1).tm_gmtoff)
    return start, uniform


def number(text):
    try:
        return float(text)
    except ValueError:
        return 0.0


def read(path):
    series = ([], [], [])
    days = {}
    with open(path, newline="") as f:
        for row in csv.reader(f, delimiter=";"):
            if len(row) != 4:
                continue
            d = row[0]
            if len(d) != 19 or d[2] != "." or d[5] != "." or d[10] != " " or d[13] != ":" \
                    or d[16] != ":":
                continue
            key = d[:10]
            day = days.get(key)
            if day is None:
                try:
                    day = local_day(int(d[6:10]), int(d[3:5]), int(d[0:2]))
                except ValueError:
                    day = False
                days[key] = day
            if not day:
                continue
            try:
                hour, minute, second = int(d[11:13]), int(d[14:16]), int(d[17:19])
            except ValueError:
                continue
            if hour > 23 or minute > 59 or second > 59:
                continue
            start, uniform = day
            if uniform:
                t = (start + hour * 3600 + minute * 60 + second) * 1000
            else:
                local = datetime(int(d[6:10]), int(d[3:5]), int(d[0:2]), hour, minute, second)
                t = local.timestamp()
                if datetime.fromtimestamp(t) != local:
                    continue  # a time the clocks skipped
                t *= 1000
            for s, text in zip(series, row[1:]):
                s.append((t, number(text)))
    return series


def main():
    path, runs = sys.argv[1], int(sys.argv[2])
    turns = sys.argv[3:] == ["turns"]
    best = float("inf")
    for _ in range(runs):
        if turns and not sys.stdin.readline():
            return
        start = time.perf_counter()
        series = read(path)
        seconds = time.perf_counter() - start
        best = min(best, seconds)
        rows = series[0]
        if turns:
            print(len(rows), seconds, rows[0][0] if rows else 0, rows[-1][0] if rows else 0,
                  flush=True)
    if not turns:
        print(len(rows), best, rows[0][0] if rows else 0, rows[-1][0] if rows else 0)


main()

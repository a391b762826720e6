#!/usr/bin/env python3
"""Prints the summary of `make bench`: every benchmark's rows with a goal, from the file the
benchmarks appended them to (ZEFFIRA_BENCH_SUMMARY), in one table. Benchmarks named on the
command line after the file that wrote no row are listed as not run."""

import sys

COLUMNS = ("benchmark", "measurement", "zeffira", "baseline", "ratio", "goal", "")


def main():
    if len(sys.argv) < 2:
        print("usage: summary.py FILE [BENCHMARK...]", file=sys.stderr)
        return 2
    rows = []
    try:
        with open(sys.argv[1]) as f:
            for line in f:
                cells = line.rstrip("\n").split("\t")
                if len(cells) == len(COLUMNS):
                    rows.append(cells)
    except FileNotFoundError:
        pass
    for name in sys.argv[2:]:
        if not any(r[0] == name for r in rows):
            rows.append([name, "(did not run: see its output above)", "", "", "", "", "not run"])
    if not rows:
        print("no benchmark reported anything")
        return 1
    widths = [max(len(r[i]) for r in rows + [list(COLUMNS)]) for i in range(len(COLUMNS))]
    met = sum(r[6] == "ok" for r in rows)
    print()
    print(f"Summary of all benchmarks: {met} of {len(rows)} goals met "
          "(ratios against baselines measured in the same run)")
    for r in [list(COLUMNS)] + rows:
        print("  ".join(c.ljust(w) for c, w in zip(r, widths)).rstrip())
    return 0


if __name__ == "__main__":
    sys.exit(main())

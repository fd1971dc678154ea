#!/usr/bin/env python3
"""Prints every performance ratio beside its target, from Google Benchmark JSON files.

Usage: ratios.py [--time cpu|real] [--markdown] FILE.json [FILE.json ...]
       ratios.py --seite PAGE.md FILE.json [FILE.json ...]

The files are those of zv_bench_bericht, zv_bench_fenster and zv_bench_diagramm, run with
repetitions and aggregates (--benchmark_repetitions=N --benchmark_report_aggregates_only=true).
Every figure is the median over the repetitions; each ratio divides two such medians.

--time cpu (the default) uses processor time, which other work on the machine disturbs far less
than the wall clock: the benchmark's own processor time, and for the parts the window
benchmarks time in turn that of the whole process (a started process: its own). --time real
uses the wall clock throughout.

--seite writes both tables as Markdown, with the day and the machine of the measurement taken
from the files, into PAGE.md between the lines "<!-- messwerte -->" and "<!-- /messwerte -->"
(docs/leistung.md, by bench/run.sh --markdown). It fails when no file can be read or the page
has no such block, and leaves the page as it was then.

The script measures; it does not judge a build: the exit status is 0 whatever the figures.
"""

import argparse
import json
import os
import re
import sys
import textwrap

UNIT_MS = {"ns": 1e-6, "us": 1e-3, "ms": 1.0, "s": 1e3}

# Keys per-keystroke figures are held to: a key's effect within 50 ms is perceived as
# immediate (well inside the 0.1 s limit of perceived instantaneity), leaving room for the
# display's own latency and for slower machines.
INSTANT_MS = 50.0

# A byte of the report may cost at most twice a byte of the floor: the statistics then add no
# more per character than reading the lists and printing them back.
BYTE_COST_LIMIT = 2.0


def bench_name(run_name):
    """The benchmark's name without its option suffixes ("/min_time:0.500", "/real_time")."""
    return re.sub(r"/(min_time|real_time|process_time|manual_time|iterations|repeats|threads)[^/]*", "", run_name)


def load_medians(paths, mode):
    """name -> median in milliseconds, from the aggregate entries.

    A benchmark's own time is stored under its name; the parts it timed in turn (counters
    PART_cpu_ms / PART_wall_ms of the window benchmarks) under "name:PART".
    """
    medians = {}
    suffix = "_cpu_ms" if mode == "cpu" else "_wall_ms"
    for path in paths:
        try:
            with open(path, encoding="utf-8") as f:
                data = json.load(f)
        except (OSError, ValueError) as e:
            print(f"cannot read {path}: {e}", file=sys.stderr)
            continue
        for b in data.get("benchmarks", []):
            if b.get("run_type") != "aggregate" or b.get("aggregate_name") != "median":
                continue
            if b.get("error_occurred"):
                continue
            name = bench_name(b.get("run_name", b["name"]))
            medians[name] = b["cpu_time" if mode == "cpu" else "real_time"] * UNIT_MS[
                b.get("time_unit", "ns")]
            for key, value in b.items():
                if key.endswith(suffix) and isinstance(value, (int, float)):
                    medians[f"{name}:{key[:-len(suffix)]}"] = value
            if isinstance(b.get("bytes"), (int, float)):
                medians[f"{name}:bytes"] = b["bytes"]
    return medians


def ratio_rows(m):
    """(label, measured, target text, limit, detail) for every ratio; measured None if missing."""
    rows = []

    def ratio(label, num, den, limit):
        dens = den if isinstance(den, list) else [den]
        if num in m and all(d in m for d in dens):
            total = sum(m[d] for d in dens)
            value = m[num] / total if total > 0 else None
            detail = f"{m[num]:.3f} ms / " + " + ".join(f"{m[d]:.3f}" for d in dens) + " ms"
        else:
            value = None
            missing = [x for x in [num] + dens if x not in m]
            detail = "missing: " + ", ".join(missing)
        rows.append((label, value, f"<= {limit:g}", limit, detail))

    def per_byte(label, num, den, limit):
        keys = [num, den, f"{num}:bytes", f"{den}:bytes"]
        if all(k in m for k in keys) and m[f"{num}:bytes"] > 0 and m[f"{den}:bytes"] > 0:
            ns_num = m[num] * 1e6 / m[f"{num}:bytes"]
            ns_den = m[den] * 1e6 / m[f"{den}:bytes"]
            rows.append((label, ns_num / ns_den, f"<= {limit:g}", limit,
                         f"{ns_num:.2f} ns / {ns_den:.2f} ns per byte "
                         f"({m[f'{num}:bytes'] / 1e6:.2f} MB / {m[f'{den}:bytes'] / 1e6:.2f} MB)"))
        else:
            rows.append((label, None, f"<= {limit:g}", limit,
                         "missing: " + ", ".join(k for k in keys if k not in m)))

    def figure(label, name, per, limit):
        if name in m:
            rows.append((label, m[name] / per, f"<= {limit:g} ms", limit,
                         f"{m[name]:.3f} ms per iteration / {per}"))
        else:
            rows.append((label, None, f"<= {limit:g} ms", limit, "missing: " + name))

    # 1: growth from 8191 to 32767 values (four times the data).
    for w in ("W1_ganz", "W1_dezimal", "W2"):
        ratio(f"1 growth {w} 32767/8191", f"{w}/32767", f"{w}/8191", 5)
    # 2: the whole report against the floor of the same input (reading the lists and writing
    # the raw list), and the cost of each byte of the report against a byte of the floor's.
    for w, limit, sizes in (("W1_ganz", 5, (8191, 32767)), ("W1_dezimal", 5, (8191, 32767)),
                            ("W2", 10, (8191, 32767))):
        for n in sizes:
            ratio(f"2 {w}/{n} vs floor", f"{w}/{n}", f"{w}_floor/{n}", limit)
    for w, sizes in (("W1_ganz", (8191, 32767)), ("W1_dezimal", (8191, 32767)),
                     ("W2", (8191, 32767)), ("W3", (4000,))):
        for n in sizes:
            per_byte(f"2 cost per report byte {w}/{n} vs floor", f"{w}/{n}", f"{w}_floor/{n}",
                     BYTE_COST_LIMIT)
    # 4: the window against the run plus the output box taking the same text, timed in turn.
    for w, n in (("W1_ganz", 32767), ("W1_dezimal", 32767), ("W2", 32767), ("W3", 4000)):
        b = f"Report_{w}/{n}"
        ratio(f"4 window {w}/{n} vs run + box", f"{b}:window", [f"{b}:run", f"{b}:box"], 1.5)
    # 4: typing and pasting into a box holding 100,000 characters.
    figure("4 keystroke in 100000 chars (ms)", "Typing_key_and_backspace/100000", 2, INSTANT_MS)
    figure("4 paste 3 lines into 100000 chars (ms)", "Paste_3_lines_into/100000", 1, INSTANT_MS)
    figure("4 paste 100000 chars as lines (ms)", "Paste_whole_list_of/100000", 1, INSTANT_MS)
    # 5: start-up to the first painted window against a bare main window of the same size.
    ratio("5 start-up, new process", "Startup_new_process:window",
          "Startup_new_process:bare", 2)
    # 6: the chart window from the menu click until painted against a bare QCustomPlot of the
    # same size drawing the same values as points; the report tool with --chart against the
    # same command without it, each as a whole process.
    for w in ("W1", "W2"):
        b = f"Chart_window_{w}/32767"
        ratio(f"6 chart window {w}/32767 vs bare points", f"{b}:window", f"{b}:bare", 2)
    for name in ("example", "W1", "W2"):
        b = f"Report_chart_{name}"
        ratio(f"6 --chart process {name} vs without", f"{b}:chart", f"{b}:plain", 3)
    # 7: the whole report with every section's calculation table against the same without
    # (the tables write many times the text: a row per value in each of them).
    for w in ("W1_ganz", "W1_dezimal", "W2"):
        ratio(f"7 tables {w}/32767 vs without", f"{w}_tabellen/32767", f"{w}/32767", 3)
    return rows


def tabelle(rows, markdown, mode):
    """The lines of the table of ratios, as Markdown or as plain columns."""
    if markdown:
        zeilen = ["| ratio | measured | target | result | medians |", "|---|---:|---|---|---|"]
    else:
        zeilen = [f"time: {mode}, medians of the repetitions",
                  f"{'ratio':42} {'measured':>9}  {'target':10} {'result':6} medians"]
    for label, value, target, limit, detail in rows:
        shown = f"{value:.2f}" if value is not None else "-"
        result = "-" if value is None else ("pass" if value <= limit else "FAIL")
        if markdown:
            zeilen.append(f"| {label} | {shown} | {target} | {result} | {detail} |")
        else:
            zeilen.append(f"{label:42} {shown:>9}  {target:10} {result:6} {detail}")
    return zeilen


class Seitenfehler(Exception):
    """The page cannot be written: no results, or no block to write them into."""


def messumstaende(paths):
    """The sentence that dates the figures: the day, the repetitions and the machine, from the
    "context" of the files and the repetition counts of their aggregates."""
    tage, wiederholungen, maschine = set(), set(), None
    for path in paths:
        try:
            with open(path, encoding="utf-8") as f:
                data = json.load(f)
        except (OSError, ValueError):
            continue
        kontext = data.get("context", {})
        if isinstance(kontext.get("date"), str):
            tage.add(kontext["date"][:10])
        if maschine is None and "num_cpus" in kontext:
            maschine = kontext
        for b in data.get("benchmarks", []):
            if b.get("run_type") == "aggregate" and isinstance(b.get("repetitions"), int):
                wiederholungen.add(b["repetitions"])
    if not tage:
        raise Seitenfehler("no results to write: run bash bench/run.sh first (" +
                           ", ".join(paths) + ")")
    tag = min(tage) if len(tage) == 1 else f"{min(tage)} to {max(tage)}"
    if not wiederholungen:
        wie = "medians"
    elif len(wiederholungen) == 1:
        wie = f"{wiederholungen.pop()} repetitions, medians"
    else:
        wie = f"{min(wiederholungen)} to {max(wiederholungen)} repetitions, medians"
    satz = f"Measured on {tag} with `bash bench/run.sh` ({wie})"
    if maschine is not None:
        satz += f" on a machine with {maschine['num_cpus']} processors"
        if maschine.get("mhz_per_cpu"):
            satz += f" at {maschine['mhz_per_cpu']} MHz"
        last = maschine.get("load_avg")
        if isinstance(last, list) and last:
            satz += f", load average {last[0]:.2f} at the start"
    return textwrap.fill(satz + ".", width=96)


def seite_schreiben(seite, paths):
    """Writes the dated figures by processor time and by the wall clock into the page's block."""
    block = [messumstaende(paths), "", "By processor time:", ""]
    block += tabelle(ratio_rows(load_medians(paths, "cpu")), True, "cpu")
    block += ["", "By the wall clock:", ""]
    block += tabelle(ratio_rows(load_medians(paths, "real")), True, "real")
    with open(seite, encoding="utf-8") as f:
        text = f.read()
    anfang, ende = "<!-- messwerte -->\n", "<!-- /messwerte -->"
    a, e = text.find(anfang), text.find(ende)
    if a < 0 or e < a:
        raise Seitenfehler(f"{seite} has no block {anfang.strip()} ... {ende}")
    neu = text[:a + len(anfang)] + "\n".join(block) + "\n" + text[e:]
    # Written beside the page and renamed over it, so that a failure leaves the old page.
    vorlaeufig = seite + ".neu"
    with open(vorlaeufig, "w", encoding="utf-8") as f:
        f.write(neu)
    os.replace(vorlaeufig, seite)
    print(f"{seite}: {' '.join(block[0].split())}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--time", choices=("cpu", "real"), default="cpu")
    parser.add_argument("--markdown", action="store_true", help="print a Markdown table")
    parser.add_argument("--seite", metavar="PAGE.md",
                        help="write both tables, dated, into the page's block of figures")
    parser.add_argument("files", nargs="+")
    args = parser.parse_args()

    if args.seite:
        try:
            seite_schreiben(args.seite, args.files)
        except Exception as e:  # the page is asked for: no figures is a failure
            print(f"ratios.py: {e}", file=sys.stderr)
            return 1
        return 0
    for zeile in tabelle(ratio_rows(load_medians(args.files, args.time)), args.markdown,
                         args.time):
        print(zeile)
    return 0


if __name__ == "__main__":
    try:
        status = main()
    except Exception as e:  # measuring only: never fail the caller
        print(f"ratios.py: {e}", file=sys.stderr)
        status = 0
    sys.exit(status)

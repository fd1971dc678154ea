#!/usr/bin/env python3
"""bench/ratios.py --seite: the dated figures written into the block of a page, from the medians
of the results; the rest of the page as it was; no page written without results or block.

Usage: test_ratios.py PATH/TO/ratios.py
"""

import json
import os
import subprocess
import sys
import tempfile
import unittest

RATIOS = sys.argv.pop(1) if len(sys.argv) > 1 else "bench/ratios.py"

SEITE = "# Leistung\n\nvorher\n\n<!-- messwerte -->\nalte Zahlen\n<!-- /messwerte -->\n\nnachher\n"


def aggregat(name, art, cpu, wand):
    return {"name": f"{name}/min_time:0.500_{art}", "run_name": f"{name}/min_time:0.500",
            "run_type": "aggregate", "aggregate_name": art, "repetitions": 5,
            "cpu_time": cpu, "real_time": wand, "time_unit": "ms"}


class Seite(unittest.TestCase):
    def setUp(self):
        self.ordner = tempfile.TemporaryDirectory()
        self.seite = os.path.join(self.ordner.name, "leistung.md")
        with open(self.seite, "w", encoding="utf-8") as f:
            f.write(SEITE)
        self.ergebnis = os.path.join(self.ordner.name, "bench_bericht.json")
        daten = {
            "context": {"date": "2026-12-07T10:00:00+01:00", "num_cpus": 2, "mhz_per_cpu": 2400,
                        "load_avg": [0.25, 0.5, 0.5]},
            # The means differ from the medians: only the medians count.
            "benchmarks": [aggregat("W1_ganz/8191", "median", 1.0, 1.2),
                           aggregat("W1_ganz/8191", "mean", 9.0, 9.0),
                           aggregat("W1_ganz_floor/8191", "median", 0.5, 0.4),
                           aggregat("W1_ganz_floor/8191", "mean", 0.1, 0.1)]}
        with open(self.ergebnis, "w", encoding="utf-8") as f:
            json.dump(daten, f)

    def tearDown(self):
        self.ordner.cleanup()

    def ratios(self, *dateien):
        return subprocess.run([sys.executable, RATIOS, "--seite", self.seite, *dateien],
                              capture_output=True, text=True)

    def lesen(self):
        with open(self.seite, encoding="utf-8") as f:
            return f.read()

    def test_block_mit_datum_und_beiden_tabellen(self):
        self.assertEqual(self.ratios(self.ergebnis).returncode, 0)
        text = self.lesen()
        vorne, rest = text.split("<!-- messwerte -->\n")
        block, hinten = rest.split("<!-- /messwerte -->")
        self.assertEqual(vorne, "# Leistung\n\nvorher\n\n")
        self.assertEqual(hinten, "\n\nnachher\n")
        self.assertTrue(block.startswith(
            "Measured on 2026-12-07 with `bash bench/run.sh` (5 repetitions, medians) on a "
            "machine with 2\nprocessors at 2400 MHz, load average 0.25 at the start.\n"), block)
        cpu, wand = block.split("By the wall clock:")
        self.assertIn("| 2 W1_ganz/8191 vs floor | 2.00 | <= 5 | pass | 1.000 ms / 0.500 ms |",
                      cpu)
        self.assertIn("| 2 W1_ganz/8191 vs floor | 3.00 | <= 5 | pass | 1.200 ms / 0.400 ms |",
                      wand)
        self.assertIn("| 5 start-up, new process | - | <= 2 | - | missing:", cpu)
        # Written again from the same results, the page stays the same.
        self.assertEqual(self.ratios(self.ergebnis).returncode, 0)
        self.assertEqual(self.lesen(), text)

    def test_ohne_ergebnisse_oder_block_bleibt_die_seite(self):
        fehlt = self.ratios(os.path.join(self.ordner.name, "fehlt.json"))
        self.assertEqual(fehlt.returncode, 1)
        self.assertIn("no results", fehlt.stderr)
        self.assertEqual(self.lesen(), SEITE)
        with open(self.seite, "w", encoding="utf-8") as f:
            f.write("ohne Block\n")
        self.assertEqual(self.ratios(self.ergebnis).returncode, 1)
        self.assertEqual(self.lesen(), "ohne Block\n")


if __name__ == "__main__":
    unittest.main()

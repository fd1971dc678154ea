#!/usr/bin/python3
"""Writes tests/engine/referenzwerte.txt: random data sets with the values Python's statistics
module, numpy and exact rational arithmetic give for them, for the engine test
tests/engine/test_referenzwerte.cpp. Run by hand from the project folder (Debian's python3 with
python3-numpy):

    /usr/bin/python3 scripts/referenzwerte.py > tests/engine/referenzwerte.txt

The same seed and versions give the same file. Every value is written with repr(), so that it
reads back as the same double."""

import math
import random
import statistics
import sys
from decimal import Decimal, getcontext
from fractions import Fraction

import numpy

SAAT = 20261207
getcontext().prec = 60


def exakt(werte):
    return [Fraction(x) for x in werte]


def als_double(q):
    """The double nearest to a rational, or None beyond the doubles' range."""
    try:
        return float(q)
    except OverflowError:
        return None


def mitte(a, b):
    return als_double((Fraction(a) + Fraction(b)) / 2)


def median_von(s):
    """The median of a sorted list: the middle value, or the exact middle of the two."""
    n = len(s)
    if n % 2 == 1:
        return s[n // 2]
    return mitte(s[n // 2 - 1], s[n // 2])


def quartile_haelften(werte):
    """Q1 and Q3 are the medians of the lower and the upper half; for odd n the middle value
    belongs to neither half; a single value is all three quartiles."""
    s = sorted(werte)
    n = len(s)
    if n == 1:
        return s[0], s[0], s[0]
    unten, oben = s[: n // 2], s[(n + 1) // 2 :]
    return median_von(unten), median_von(s), median_von(oben)


def quartile_standard(werte):
    """numpy's averaged inverted distribution function, checked against the exact middle:
    numpy forms a middle as a + (b - a) / 2, which may differ from it in the last bit."""
    s = sorted(werte)
    n = len(s)
    with numpy.errstate(over="ignore"):
        numpy_werte = numpy.percentile(numpy.array(s), [25, 50, 75],
                                       method="averaged_inverted_cdf")
    ergebnis = []
    for p4, von_numpy in zip((1, 2, 3), numpy_werte):
        if (n * p4) % 4:
            q = s[-(-n * p4 // 4) - 1]  # x(ceil(n p))
        else:
            k = n * p4 // 4
            q = mitte(s[k - 1], s[k])
        von_numpy = float(von_numpy)
        if not math.isfinite(von_numpy):
            Zaehler["numpy_inf"] += 1
        elif von_numpy != q:
            Zaehler["numpy_ulp"] += 1
            assert abs(von_numpy - q) <= math.ulp(q), (s, q)
        ergebnis.append(q)
    return ergebnis


def geometrisch(werte):
    """exp of the mean logarithm with 60 significant digits, then rounded to a double."""
    summe = sum(Decimal(x).ln() for x in werte)
    exakt_gerundet = float((summe / len(werte)).exp())
    python = statistics.geometric_mean(werte)
    abweichung = abs(python - exakt_gerundet) / exakt_gerundet
    Zaehler["geo_max"] = max(Zaehler["geo_max"], abweichung)
    assert abweichung < 1e-12, werte
    return exakt_gerundet


def harmonisch(werte):
    exakt_gerundet = als_double(len(werte) / sum(1 / q for q in exakt(werte)))
    python = statistics.harmonic_mean(werte)
    assert abs(python - exakt_gerundet) <= 4 * math.ulp(exakt_gerundet), werte
    return exakt_gerundet


def variationskoeffizient(werte):
    """sqrt(Sum((xi - xMitt)²) / n) / xMitt from the exact v² with 60 digits. Python's
    statistics.pstdev / statistics.mean rounds both to doubles first, which for subnormal
    values is far off; elsewhere it must agree."""
    q = exakt(werte)
    m = sum(q) / len(q)
    v2 = quadratsumme(werte) / len(q) / (m * m)
    v = als_double(Fraction((Decimal(v2.numerator) / Decimal(v2.denominator)).sqrt()))
    mean, pstdev = statistics.mean(werte), statistics.pstdev(werte)
    if v is not None and min(mean, pstdev or 1) >= 2.0**-1022:
        assert abs(pstdev / mean - v) <= 4 * math.ulp(v), werte
    return v


def quadratsumme(werte):
    q = exakt(werte)
    m = sum(q) / len(q)
    return sum((x - m) ** 2 for x in q)


def kovarianz_summe(x, y):
    qx, qy = exakt(x), exakt(y)
    mx, my = sum(qx) / len(qx), sum(qy) / len(qy)
    return sum((a - mx) * (b - my) for a, b in zip(qx, qy))


Zaehler = {"numpy_ulp": 0, "numpy_inf": 0, "geo_max": 0.0, "python_kov_max": 0.0}


def zahlen(werte):
    return " ".join(repr(x) for x in werte)


def eindimensional(nr, art, werte, tabelle):
    zeilen = [f"satz {nr} {art}", "werte " + zahlen(werte)]
    h = quartile_haelften(werte)
    s = quartile_standard(werte)
    zeilen.append("q_haelften " + zahlen(h))
    zeilen.append("q_standard " + zahlen(s))
    if min(werte) > 0:
        zeilen.append("geo " + repr(geometrisch(werte)))
        zeilen.append("harm " + repr(harmonisch(werte)))
    n = len(werte)
    zu_gross = []
    kleinste_normale = 2.0**-1022
    if n >= 2:
        s2_exakt = quadratsumme(werte) / (n - 1)
        s2 = als_double(s2_exakt)
        if s2 is None:
            zu_gross.append("s2")
        elif s2_exakt >= kleinste_normale or s2_exakt == 0:
            # Below the normal doubles the squares themselves underflow: left out.
            assert s2 == statistics.variance(werte)
            zeilen.append("s2 " + repr(s2))
            zeilen.append("s " + repr(statistics.stdev(werte)))
    for name, (q1, _, q3) in (("zaeune_haelften", h), ("zaeune_standard", s)):
        q1, q3 = Fraction(q1), Fraction(q3)
        if als_double(q1 - 3 * (q3 - q1) / 2) is None or als_double(q3 + 3 * (q3 - q1) / 2) is None:
            zu_gross.append(name)
    if statistics.mean(werte) > 0:
        v = variationskoeffizient(werte)
        if v is None:
            zu_gross.append("v")
        else:
            zeilen.append("v " + repr(v))
    if zu_gross:
        zeilen.append("zu_gross " + " ".join(zu_gross))
    if tabelle:
        teile = []
        kumuliert = 0
        for wert in sorted(set(werte)):
            h = werte.count(wert)
            kumuliert += h
            teile += [repr(wert), str(h), str(kumuliert)]
        zeilen.append("tabelle " + " ".join(teile))
    return zeilen


def paare(nr, art, x, y):
    n = len(x)
    sxy = kovarianz_summe(x, y)
    zeilen = [f"satz {nr} {art}", "werte " + zahlen(x), "y " + zahlen(y)]
    zeilen.append("sxy_n " + repr(als_double(sxy / n)))
    if n >= 2:
        exakt_gerundet = als_double(sxy / (n - 1))
        python = statistics.covariance(x, y)
        # Python's covariance rounds its means and products: compared on the scale of the
        # standard deviations, where it is accurate.
        skala = math.sqrt(float(quadratsumme(x))) * math.sqrt(float(quadratsumme(y))) / (n - 1)
        abweichung = abs(python - exakt_gerundet) / skala if skala else abs(python)
        Zaehler["python_kov_max"] = max(Zaehler["python_kov_max"], abweichung)
        assert abweichung < 1e-9, (x, y)
        zeilen.append("sxy_n1 " + repr(exakt_gerundet))
    return zeilen


def main():
    z = random.Random(SAAT)

    def ganz(n, unten, oben):
        return [float(z.randint(unten, oben)) for _ in range(n)]

    def dezimal(n, unten, oben, stellen):
        return [float(f"{z.uniform(unten, oben):.{stellen}f}") for _ in range(n)]

    def bindungen(n):
        vorrat = dezimal(z.randint(1, 5), 0.5, 9.5, 1)
        return [z.choice(vorrat) for _ in range(n)]

    eind = []  # (kind, values, with frequency table)

    def dazu(art, werte, tabelle=False):
        eind.append((art, werte, tabelle))

    for n in range(1, 41):
        dazu("ganz", ganz(n, 1, 60), n in (1, 7, 12, 21))
        dazu("dezimal", dezimal(n, -50, 50, z.choice((1, 2, 3))), n == 9)
        dazu("bindungen", bindungen(n), n in (5, 17, 33))
    for k in range(1, 11):  # n = 4k + 1: the two definitions differ unless ties hide it
        dazu("4k+1", ganz(4 * k + 1, -30, 90))
        dazu("4k+1 dezimal", dezimal(4 * k + 1, 0.1, 20, 2))
    for n in (100, 401, 1000):
        dazu("gross", dezimal(n, 0.5, 1000, 2), n == 100)
        dazu("gross bindungen", bindungen(n), n == 1000)
    for versatz in (1e6, 1e9, -1e9):
        for n in (2, 3, 5, 13, 28, 40):
            dazu(f"verschoben {versatz:g}", [x + versatz for x in dezimal(n, 0, 10, 2)])
    for faktor in (1e-200, 1e200):
        for n in (1, 2, 5, 9, 24, 37):
            dazu(f"skaliert {faktor:g}", [x * faktor for x in dezimal(n, 0.01, 100, 3)])
    for n in (1, 2, 3, 4, 5, 8, 17):
        dazu("nahe 1.7E308", [z.uniform(1e308, 1.79e308) for _ in range(n)])
        dazu("nahe -1.7E308", [z.choice((-1, 1)) * z.uniform(1e307, 1.79e308) for _ in range(n)])
    dazu("kleinste", [5e-324, 1e-323, 5e-324, 1.5e-323, 2.5e-323])
    dazu("konstant", [0.1] * 13)
    dazu("konstant gross", [1.7e308] * 6)

    zweid = []
    for n in list(range(1, 41)) + [200]:
        x = dezimal(n, -20, 20, 1)
        steigung = z.choice((-3, -0.5, 0, 0.5, 2))
        y = [float(f"{steigung * a + z.uniform(-5, 5):.2f}") for a in x]
        zweid.append(("paare", x, y))
    for versatz in (1e6, 1e9):
        for n in (3, 11, 30):
            x = dezimal(n, 0, 10, 1)
            y = [float(f"{a + z.uniform(-2, 2):.2f}") for a in x]
            zweid.append((f"paare verschoben {versatz:g}", [a + versatz for a in x], y))
    for faktor in (1e-100, 1e100):
        for n in (2, 6, 19):
            x = dezimal(n, 1, 100, 2)
            y = dezimal(n, 1, 100, 2)
            zweid.append((f"paare skaliert {faktor:g}", [a * faktor for a in x],
                          [b * faktor for b in y]))

    zeilen = []
    nr = 0
    for art, werte, tabelle in eind:
        nr += 1
        zeilen += eindimensional(nr, art, werte, tabelle)
    for art, x, y in zweid:
        nr += 1
        zeilen += paare(nr, art, x, y)

    kopf = f"""\
# Reference values for tests/engine/test_referenzwerte.cpp, made by
#   /usr/bin/python3 scripts/referenzwerte.py > tests/engine/referenzwerte.txt
# Python {sys.version.split()[0]}, numpy {numpy.__version__}, random.Random({SAAT}).
# Per data set: "satz <no> <kind>", "werte" (and "y" for pairs), then
#   q_haelften  Q1 Q2 Q3: medians of the lower and upper half (for odd n the middle value in
#               neither half), written here from that definition;
#   q_standard  Q1 Q2 Q3: numpy.percentile(..., [25, 50, 75], method="averaged_inverted_cdf");
#               numpy forms the middle of two values as a + (b - a) / 2, which lies one unit in
#               the last place off the exact middle in {Zaehler['numpy_ulp']} quartiles of this file, and
#               b - a overflows to inf in {Zaehler['numpy_inf']} (values of both signs near the largest
#               double): there the exact middle (rounded to the nearest double) is written;
#   geo         exp(Sum(ln xi) / n) with 60 decimal digits (Decimal), rounded to a double: Python's
#               statistics.geometric_mean is only exp(fmean(log)), here up to
#               {Zaehler['geo_max']:.1e} off relative, which the script checks stays below 1E-12;
#   harm        n / Sum(1/xi) in exact fractions; statistics.harmonic_mean within 4 units in the
#               last place of it (checked);
#   s2, s       statistics.variance and statistics.stdev (divisor n - 1; exact fractions inside,
#               s2 also checked against the script's own exact sum); left out where s2 lies
#               between 0 and the smallest normal double, where the squares underflow;
#   v           sqrt(Sum((xi - xMitt)²) / n) / xMitt, where the mean is > 0, from the exact v² with
#               60 digits; statistics.pstdev / statistics.mean agrees within 4 units in the last
#               place (checked) except for subnormal values, where both are rounded too coarsely;
#   zu_gross    measures whose exact value lies beyond the doubles' range: the engine must
#               report an overflow for them; zaeune_*: a fence Q -/+ 1,5 IQR of that definition;
#   tabelle     value, hj, Hj of each distinct value, ascending;
#   sxy_n1      Sum((xi - xMitt)(yi - yMitt)) / (n - 1) in exact fractions, rounded; Python's
#               statistics.covariance rounds its means and products and agrees to
#               {Zaehler['python_kov_max']:.1e} of sx * sy (checked below 1E-9);
#   sxy_n       the same sum over n.
"""
    sys.stdout.write(kopf + "\n".join(zeilen) + "\n")


if __name__ == "__main__":
    main()

// The chart data against the report and the engine: on random data every bar count adds up
// and every mark's label is a line of the report for the same control states; a statistic
// that fails in the report has no mark but a line naming it; the axes stay drawable for any
// finite values.

#include <gtest/gtest.h>

#include <algorithm>
#include <cfloat>
#include <cmath>
#include <random>
#include <set>
#include <sstream>

#include "Berichtstest.h"
#include "base/Text.h"
#include "base/Zahltext.h"
#include "chartdata/Achsen.h"
#include "chartdata/Diagrammdaten.h"
#include "engine/Kontingenz.h"
#include "engine/Quartile.h"
#include "engine/Regression.h"

using namespace zv;
using zvtest::Zustand;

namespace {

// The lines of the report with every entry of the mode selected, without steps.
std::set<std::string> Berichtszeilen(const Steuerzustand& z, const std::string& dezimal) {
    Steuerzustand alle = z;
    for (Listeneintrag& e : alle.lstSelection) e.Ausgewaehlt = true;
    alle.chkDetail = false;
    const std::string bericht = clsRechenlauf(dezimal).cmdCalculate_Click(alle).txtAusgabe;
    std::set<std::string> zeilen;
    for (std::size_t anfang = 0, ende; (ende = bericht.find("\r\n", anfang)) != bericht.npos;
         anfang = ende + 2)
        zeilen.insert(bericht.substr(anfang, ende - anfang));
    return zeilen;
}

// n random values: whole numbers from a small or a wide range, or with decimals.
std::string Zufallsliste(std::mt19937& zufall, int n, int art, const std::string& dezimal) {
    std::uniform_int_distribution<int> klein(1, 6), weit(-500, 500), hundertstel(0, 99);
    std::string text;
    for (int i = 0; i < n; ++i) {
        if (i > 0) text += ' ';
        if (art == 0) text += std::to_string(klein(zufall));
        if (art == 1) text += std::to_string(weit(zufall));
        if (art == 2)
            text += std::to_string(weit(zufall)) + dezimal + std::to_string(hundertstel(zufall));
    }
    return text;
}

void MitBerichtstext(const std::set<std::string>& bericht, const std::string& text) {
    EXPECT_TRUE(bericht.count(text)) << "not a line of the report: " << text;
}

}  // namespace

TEST(Diagrammdaten, DistributionOfRandomListsAgreesWithTheReport) {
    std::mt19937 zufall(11);
    for (int runde = 0; runde < 60; ++runde) {
        const std::string dezimal = runde % 2 ? "," : ".";
        const int n = std::uniform_int_distribution<int>(1, 400)(zufall);
        const int art = runde % 3;
        const std::string nks = std::to_string(1 + runde % 5);
        const Steuerzustand z =
            Zustand(false, 0, Zufallsliste(zufall, n, art, dezimal), "", {}, false, nks);
        SCOPED_TRACE(z.txtM1);
        const Diagrammdaten d = DiagrammdatenBilden(z, dezimal);
        ASSERT_TRUE(d.Abbruch.empty() && d.Verteilung && !d.Streuung);
        const Verteilungsdiagramm& v = *d.Verteilung;
        const std::vector<double> werte = clsRechenlauf(dezimal).Einlesen(z).Daten->M1;
        const auto [kleinster, groesster] = std::minmax_element(werte.begin(), werte.end());

        // The bars hold every value once, cover minimum to maximum and count like the data.
        long long summe = 0;
        for (const Saeule& s : v.Saeulen) summe += s.Anzahl;
        EXPECT_EQ(summe, n);
        EXPECT_EQ(v.Saeulen.front().Von, *kleinster);
        EXPECT_EQ(v.Saeulen.back().Bis, *groesster);
        const std::set<double> verschieden(werte.begin(), werte.end());
        // Classes for many distinct values, or for values too far apart for readable bars.
        double luecke = INFINITY;
        for (auto a = verschieden.begin(), b = std::next(a); b != verschieden.end(); ++a, ++b)
            luecke = std::min(luecke, *b - *a);
        EXPECT_EQ(v.Klassiert, verschieden.size() > kHoechstensEinzelwerte ||
                                   0.8 * luecke < (*groesster - *kleinster) * kSchmalsteSaeule);
        for (std::size_t i = 0; i < v.Saeulen.size(); ++i) {
            const Saeule& s = v.Saeulen[i];
            const auto drin = std::count_if(werte.begin(), werte.end(), [&](double x) {
                const bool letzte = i + 1 == v.Saeulen.size();
                return v.Klassiert ? x >= s.Von && (x < s.Bis || (letzte && x == s.Bis))
                                   : x == s.Von;
            });
            EXPECT_EQ(s.Anzahl, drin) << "bar " << i;
            // Classes follow on without a gap, distinct values ascend.
            if (i == 0) continue;
            if (v.Klassiert) {
                EXPECT_EQ(s.Von, v.Saeulen[i - 1].Bis);
            } else {
                EXPECT_LT(v.Saeulen[i - 1].Von, s.Von);
            }
        }

        // Every label is the report's line; the values are the engine's.
        const std::set<std::string> bericht = Berichtszeilen(z, dezimal);
        MitBerichtstext(bericht, v.ModusZeile);
        ASSERT_TRUE(v.Median && v.Mittelwert && v.Spannweite && v.Streuung) << v.Meldungen.size();
        EXPECT_TRUE(v.Meldungen.empty());
        MitBerichtstext(bericht, v.Median->Text);
        MitBerichtstext(bericht, v.Mittelwert->Text);
        MitBerichtstext(bericht, v.Spannweite->Text);
        MitBerichtstext(bericht, v.Streuung->Text);
        const clsStatistik stat;
        EXPECT_EQ(v.Mittelwert->Wert, stat.Mittelwert(werte));
        EXPECT_EQ(v.Median->Wert, stat.Median(werte));
        EXPECT_EQ(v.Spannweite->Bis - v.Spannweite->Von, stat.Spannweite(werte));
        const double s = std::sqrt(stat.MittlereQuadratischeAbweichung(werte));
        EXPECT_EQ(v.Streuung->Von, v.Mittelwert->Wert - s);
        EXPECT_EQ(v.Streuung->Bis, v.Mittelwert->Wert + s);
        const std::vector<double> modi = stat.Modus(werte);
        ASSERT_EQ(v.Modi.size(), modi.size() - 1);
        for (std::size_t i = 0; i < v.Modi.size(); ++i) EXPECT_EQ(v.Modi[i].Wert, modi[i + 1]);
    }
}

TEST(Diagrammdaten, PairsAndFrequenciesOfRandomListsAgreeWithTheReport) {
    std::mt19937 zufall(12);
    for (int runde = 0; runde < 40; ++runde) {
        const std::string dezimal = runde % 2 ? "," : ".";
        const int n = std::uniform_int_distribution<int>(2, 300)(zufall);
        const Steuerzustand z = Zustand(true, 0, Zufallsliste(zufall, n, runde % 3, dezimal),
                                        Zufallsliste(zufall, n, (runde + 1) % 3, dezimal), {},
                                        false, std::to_string(1 + runde % 4));
        const Diagrammdaten d = DiagrammdatenBilden(z, dezimal);
        ASSERT_TRUE(d.Streuung && d.Haeufigkeiten && !d.Verteilung);
        const Streudiagramm& s = *d.Streuung;
        const Haeufigkeitsdiagramm& h = *d.Haeufigkeiten;
        const Datensatz daten = *clsRechenlauf(dezimal).Einlesen(z).Daten;
        EXPECT_EQ(s.X, daten.M1);
        EXPECT_EQ(s.Y, daten.M2);
        EXPECT_EQ(s.ResiduenAn, n <= 200);
        // The points several pairs fall on, with their numbers, and the others make n.
        std::set<std::pair<double, double>> punkte;
        for (int i = 0; i < n; ++i) punkte.insert({daten.M1[i], daten.M2[i]});
        long long mehrfach = 0;
        for (const Mehrfachpunkt& m : s.Mehrfach) mehrfach += m.Anzahl - 1;
        EXPECT_EQ(static_cast<long long>(punkte.size()) + mehrfach, n);

        const std::set<std::string> bericht = Berichtszeilen(z, dezimal);
        ASSERT_TRUE(s.SchwerpunktX && s.SchwerpunktY && s.Regression && s.r && s.rSP && s.R2)
            << (s.Meldungen.empty() ? "" : s.Meldungen.front());
        for (const std::string* text :
             {&s.SchwerpunktX->Text, &s.SchwerpunktY->Text, &s.Regression->TextA,
              &s.Regression->TextB, &s.r->Text, &s.rSP->Text, &s.R2->Text})
            MitBerichtstext(bericht, *text);

        // The line runs from the smallest to the largest x through the engine's ^yi.
        const clsStatistik stat;
        const Bestimmtheit b = BestimmtheitBerechnen(stat, daten.M1, daten.M2);
        EXPECT_EQ(s.Regression->Geschaetzt, b.Geschaetzt);
        EXPECT_EQ(s.R2->Wert, b.R2);
        const auto [links, rechts] = std::minmax_element(daten.M1.begin(), daten.M1.end());
        EXPECT_EQ(s.Regression->X0, *links);
        EXPECT_EQ(s.Regression->X1, *rechts);
        EXPECT_EQ(s.Regression->Y0, b.Geschaetzt[links - daten.M1.begin()]);
        EXPECT_EQ(s.Regression->Y1, b.Geschaetzt[rechts - daten.M1.begin()]);

        // The table: one column per pair; the expected frequencies as the report rounds them.
        ASSERT_EQ(h.Spalten.size(), static_cast<std::size_t>(n));
        EXPECT_EQ(h.Spalten.back(), "b" + std::to_string(n));
        if (!h.MitErwartet) continue;  // a zero total, possible with negative frequencies
        std::string zeileA1 = "h~a1: ";
        for (std::size_t j = 0; j < h.ErwartetTexteA1.size(); ++j) {
            const std::string& t = h.ErwartetTexteA1[j];
            const std::string& u = h.ErwartetTexteA2[j];
            const std::size_t breite = std::max(Zeichenzahl(t), Zeichenzahl(u));
            zeileA1 +=
                (j ? "  " : "") + Leerzeichen(static_cast<long long>(breite - Zeichenzahl(t))) + t;
        }
        MitBerichtstext(bericht, zeileA1);
        if (h.chi2) {
            MitBerichtstext(bericht, h.chi2->Text);
            MitBerichtstext(bericht, h.K->Text);
            MitBerichtstext(bericht, h.KStern->Text);
            EXPECT_EQ(h.KStern->Wert, KontingenzBerechnen(daten.M1, daten.M2).KStern);
            EXPECT_NE(h.Titel.find(h.chi2->Text), std::string::npos);
        }
    }
}

TEST(Diagrammdaten, FailingStatisticsAreNamedInsteadOfDrawn) {
    // Each: the control states and exactly the lines the chart carries; each names a list
    // entry (the regression line: "Lineare Regression") whose section prints the same error.
    const std::string kPaare = "Anzahl der Ausprägungen nicht identisch, Berechnung nicht möglich.";
    const std::string kR = "Bravais-Pearson-Korrelationskoeffizient: ";
    const std::string kRSP = "Spearmen-Rangkorrelationskoeffizient: ";
    const struct {
        Steuerzustand z;
        std::set<std::string> meldungen;
    } faelle[] = {
        // Sums beyond the double range: no mean, no median (the band needs the mean).
        {Zustand(false, 0, "1E+308 1E+308", "", {}),
         {"Median: Überlauf", "Arithmetisches Mittel: Überlauf"}},
        // Negative decimal places: every rounded label fails as the report's line does.
        {Zustand(false, 0, "1 2 2", "", {}, false, "-1"),
         {"Arithmetisches Mittel: Ungültiges Argument", "Spannweite: Ungültiges Argument",
          "Standardabweichnung: Ungültiges Argument"}},
        // Also where values far apart are put into classes, whose limits the report rounds.
        {Zustand(false, 0, "1,5 2,5 100 -100", "", {}, false, "-1"),
         {"Arithmetisches Mittel: Ungültiges Argument", "Spannweite: Ungültiges Argument",
          "Standardabweichnung: Ungültiges Argument"}},
        // A constant x leaves the line undetermined (0 / 0) and both correlations undefined.
        {Zustand(true, 0, "3 3 3", "1 2 4", {}),
         {"Regressionsgerade: Überlauf", kR + "Überlauf", kRSP + "Überlauf",
          "Determinationskoeffizient: Überlauf"}},
        // One pair: the report's message for the sections that need two.
        {Zustand(true, 0, "4", "7", {}),
         {"Regressionsgerade: " + kPaare, kR + "Überlauf",
          "Spearmen-Rangkorrelationskoeffizient: " + kPaare,
          "Determinationskoeffizient: " + kPaare}},
        // A zero total with a non-zero row divides by zero.
        {Zustand(true, 0, "2 -1", "-1 0", {}),
         {"Unabhängigkeitsquotienten: Division durch Null",
          "Kontingenzkoeffizient: Division durch Null"}},
    };
    for (const auto& fall : faelle) {
        const Diagrammdaten d = DiagrammdatenBilden(fall.z, ",");
        std::set<std::string> meldungen;
        for (const auto* liste : {d.Verteilung ? &d.Verteilung->Meldungen : nullptr,
                                  d.Streuung ? &d.Streuung->Meldungen : nullptr,
                                  d.Haeufigkeiten ? &d.Haeufigkeiten->Meldungen : nullptr})
            if (liste) meldungen.insert(liste->begin(), liste->end());
        SCOPED_TRACE(fall.z.txtM1 + " / " + fall.z.txtM2);
        EXPECT_EQ(meldungen, fall.meldungen);
        for (const std::string& m : meldungen) {
            const std::size_t trenner = m.find(": ");
            std::string eintrag = m.substr(0, trenner);
            if (eintrag == "Regressionsgerade") eintrag = "Lineare Regression";
            Steuerzustand z = fall.z;
            for (Listeneintrag& e : z.lstSelection) e.Ausgewaehlt = e.Text == eintrag;
            const std::string bericht = zvtest::Lauf(z).txtAusgabe;
            EXPECT_NE(bericht.find("\r\n" + m.substr(trenner + 2) + "\r\n"), std::string::npos)
                << m << "\n"
                << bericht;
        }
    }
}

TEST(Diagrammdaten, ClassesStayBetweenMinimumAndMaximumForAnyValues) {
    // Values near the limits of the double range, tiny ones, and the largest list.
    std::vector<std::vector<double>> listen;
    std::vector<double> extrem;
    for (int i = 0; i <= 40; ++i) extrem.push_back(DBL_MAX * (i / 20.0 - 1));
    listen.push_back(extrem);
    std::vector<double> winzig;
    for (int i = 0; i < 40; ++i) winzig.push_back(i * 5e-324);
    listen.push_back(winzig);
    std::vector<double> gross(32767);
    for (std::size_t i = 0; i < gross.size(); ++i) gross[i] = static_cast<double>(i % 1000) / 7;
    listen.push_back(gross);
    // Around the powers of two, where ceil(log2 n) steps.
    for (int n : {31, 32, 33, 64, 65}) {
        std::vector<double> liste(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i) liste[static_cast<std::size_t>(i)] = 10 + i * 1.5;
        listen.push_back(liste);
    }
    for (auto& liste : listen) {
        std::sort(liste.begin(), liste.end());
        const std::vector<Saeule> klassen = Klassenbilden(liste);
        ASSERT_EQ(klassen.size(), static_cast<std::size_t>(std::ceil(std::log2(liste.size()))) + 1);
        // Equal widths wherever the width itself is a double worth comparing.
        const double breite = (liste.back() - liste.front()) / static_cast<double>(klassen.size());
        long long summe = 0;
        for (std::size_t j = 0; j < klassen.size(); ++j) {
            EXPECT_TRUE(std::isfinite(klassen[j].Von) && std::isfinite(klassen[j].Bis));
            if (std::isfinite(breite) && breite > 1e-300) {
                EXPECT_NEAR(klassen[j].Bis - klassen[j].Von, breite, 1e-9 * breite) << j;
            }
            EXPECT_LE(klassen[j].Von, klassen[j].Bis);
            if (j > 0) {
                EXPECT_EQ(klassen[j].Von, klassen[j - 1].Bis);
            }
            summe += klassen[j].Anzahl;
        }
        EXPECT_EQ(klassen.front().Von, liste.front());
        EXPECT_EQ(klassen.back().Bis, liste.back());
        EXPECT_EQ(summe, static_cast<long long>(liste.size()));
    }
}

TEST(Achsen, EveryFiniteRangeBecomesADrawableAxisHoldingItsValues) {
    const double kNaechsteNachEins = std::nextafter(1.0, 2.0);
    const struct {
        double lo, hi;
        bool abNull;
        int exponent;
    } faelle[] = {
        // clang-format off
        {5, 5, false, 0},         {0, 0, false, 0},          {-3, -3, false, 0},
        {0, 0, true, 0},          {1, 100, true, 0},         {-2, 7, true, 0},
        {1, kNaechsteNachEins, false, 0},                    {1e99, 1e99, false, 0},
        {-DBL_MAX, DBL_MAX, false, 308}, {DBL_MAX, DBL_MAX, false, 308},
        {-DBL_MAX, -DBL_MAX, false, 308}, {1e300, 1e300 * 1.0000001, false, 300},
        {5e-324, 5e-324, false, -324}, {0, 1e-250, true, -250}, {-1e-150, 2e-150, false, -150},
        {1e-99, 1e-99, false, 0},
        // clang-format on
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(::testing::Message() << f.lo << " .. " << f.hi);
        const Achse a = AchseBilden(f.lo, f.hi, f.abNull);
        EXPECT_EQ(a.Exponent, f.exponent);
        EXPECT_TRUE(Zeichenbar(a.Unten, a.Oben)) << a.Unten << " " << a.Oben;
        EXPECT_LE(a.Unten, a.Gezeichnet(f.lo));
        EXPECT_GE(a.Oben, a.Gezeichnet(f.hi));
        if (f.abNull && f.lo >= 0) {
            EXPECT_EQ(a.Unten, 0);
        }
        EXPECT_TRUE(std::isfinite(a.GezeichneteDifferenz(f.lo, f.hi)));
    }
    // The values fill the axis but for a margin of 5 % of their span on each side; equal values
    // get a tenth of their magnitude on each side.
    const struct {
        double lo, hi, unten, oben;
    } raender[] = {
        {1, 100, -3.95, 104.95}, {-2, 7, -2.45, 7.45}, {5, 5, 4.5, 5.5}, {-3, -3, -3.3, -2.7}};
    for (const auto& r : raender) {
        const Achse a = AchseBilden(r.lo, r.hi);
        EXPECT_NEAR(a.Unten, r.unten, 1e-12) << r.lo << " .. " << r.hi;
        EXPECT_NEAR(a.Oben, r.oben, 1e-12) << r.lo << " .. " << r.hi;
    }
    // Widening keeps a margin beyond what it must hold.
    Achse a = AchseBilden(1, 2);
    Einschliessen(a, 0.6, 2.4);
    EXPECT_LT(a.Unten, 0.6);
    EXPECT_GT(a.Oben, 2.4);
}

TEST(Achsen, RangesThatCannotBeDrawnAreRefused) {
    const double inf = INFINITY;
    const std::pair<double, double> schlecht[] = {
        {0, inf}, {-inf, 0}, {NAN, 1}, {2, 1}, {1, 1}, {1, 1 + 1e-14}, {0, 1e-201}, {-1e201, 0}};
    for (const auto& [u, o] : schlecht) EXPECT_FALSE(Zeichenbar(u, o)) << u << " " << o;
    const std::pair<double, double> gut[] = {{0, 1e-199}, {1, 1 + 1e-11}, {-1e199, 1e199}};
    for (const auto& [u, o] : gut) EXPECT_TRUE(Zeichenbar(u, o)) << u << " " << o;
    EXPECT_EQ(Achsentitel("Wert", 0), "Wert");
    EXPECT_EQ(Achsentitel("Wert", 308), "Wert (× 1E+308)");
    EXPECT_EQ(Achsentitel("Wert", -150), "Wert (× 1E-150)");
}

TEST(Diagrammdaten, BoxplotAndCurveShowTheQuartilesOfTheRunsDefinition) {
    // Lists where the definitions agree and where they differ (n = 4k + 1, ties), with values
    // outside the fences on one side, on both, or none.
    const std::vector<double> listen[] = {{1, 2, 3, 4, 5},
                                          {7, 1, 3, 2, 9, 4, 8, 6, 5},
                                          {-40, 1, 2, 3, 4, 5, 6, 7, 8, 60, 61},
                                          {2, 3, 3, 4, 4, 4, 5, 5, 6, 7, 9, 12},
                                          {5, 5, 5, 5, 100},
                                          {-3.5, 0, 0, 0.25, 2, 2, 2, 2, 8},
                                          {42}};
    const clsStatistik stat;
    for (const std::vector<double>& werte : listen)
        for (const Quartilsmethode methode :
             {Quartilsmethode::Haelften, Quartilsmethode::Standard}) {
            std::string liste;
            for (double w : werte) liste += (liste.empty() ? "" : " ") + VollText(w, ",");
            Steuerzustand z = Zustand(false, 0, liste, "", {});
            z.Quartile = methode;
            const Diagrammdaten d = DiagrammdatenBilden(z, ",");
            SCOPED_TRACE(liste +
                         (methode == Quartilsmethode::Haelften ? " / Hälften" : " / Standard"));
            const Quartilsteile q = QuartileBerechnen(stat, werte, methode);

            ASSERT_TRUE(d.Boxplot && d.Boxplot->Box);
            const Kasten& k = *d.Boxplot->Box;
            const std::pair<const Marke*, double> marken[] = {{&k.Q1, q.Q1.Wert},
                                                              {&k.Median, q.Q2.Wert},
                                                              {&k.Q3, q.Q3.Wert},
                                                              {&k.UntererWhisker, q.UntererWhisker},
                                                              {&k.ObererWhisker, q.ObererWhisker}};
            for (const auto& [marke, wert] : marken) {
                EXPECT_EQ(marke->Wert, wert);
                EXPECT_TRUE(marke->Text.ends_with(VollText(wert, ","))) << marke->Text;
            }
            std::vector<double> ausserhalb;
            for (const Marke& m : k.Ausreisser) ausserhalb.push_back(m.Wert);
            EXPECT_EQ(ausserhalb, q.Ausreisser);
            ASSERT_TRUE(k.Zaeune && k.IQR);
            EXPECT_EQ(*k.IQR, "IQR: " + GerundetText(q.IQR, 3, ","));
            EXPECT_EQ(k.Zaeune->Von, q.UntererZaun);
            EXPECT_EQ(k.Zaeune->Bis, q.ObererZaun);
            EXPECT_NE(d.Boxplot->Definition.find(methode == Quartilsmethode::Haelften
                                                     ? "Hälftenmethode"
                                                     : "Standarddefinition"),
                      std::string::npos);

            // The curve: F rises by the share of each distinct value to 1; each quartile read
            // off is where F reaches its share: fewer values lie below it, enough up to it.
            ASSERT_TRUE(d.Verteilungsfunktion);
            const Summenkurve& s = *d.Verteilungsfunktion;
            ASSERT_EQ(s.Werte.size(), s.F.size());
            EXPECT_TRUE(std::is_sorted(s.Werte.begin(), s.Werte.end()));
            EXPECT_EQ(s.F.back(), 1.0);
            const auto anteilBis = [&](double x, bool mitX) {
                const auto n = std::count_if(werte.begin(), werte.end(),
                                             [&](double w) { return w < x || (mitX && w == x); });
                return static_cast<double>(n) / static_cast<double>(werte.size());
            };
            for (std::size_t j = 0; j < s.Werte.size(); ++j)
                EXPECT_DOUBLE_EQ(s.F[j], anteilBis(s.Werte[j], true));
            const std::optional<Marke>* abgelesen[] = {&s.Q1, &s.Median, &s.Q3};
            for (int i = 0; i < 3; ++i) {
                ASSERT_TRUE(*abgelesen[i]);
                const double x = (*abgelesen[i])->Wert;
                EXPECT_LE(anteilBis(x, false), kQuartilsanteile[i]) << x;
                EXPECT_GE(anteilBis(x, true), kQuartilsanteile[i]) << x;
            }
            // Where the run's halves differ from what the curve gives, the chart says so.
            EXPECT_EQ(!s.Abweichung.empty(),
                      methode == Quartilsmethode::Haelften && q.AndereMethodeWeichtAb);
        }
}

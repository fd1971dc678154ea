// The frequency table, the quartiles and the further measures of a list against values written
// once from Python's statistics module, numpy and exact fractions (referenzwerte.txt, its head
// says how), and against what scaling and shifting the data must do to them.

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <fstream>
#include <iomanip>
#include <map>
#include <random>
#include <sstream>

#include "Fehlerpruefung.h"
#include "base/Rechnen.h"
#include "engine/Kennwerte.h"
#include "engine/Quartile.h"

using namespace zv;
using zvtest::FehlerBeim;
using Liste = std::vector<double>;

namespace {

const clsStatistik Stat;
constexpr double eps = DBL_EPSILON;

struct Datensatz {
    std::string Name;                    // "satz <no> <kind>", shown on a failure
    std::map<std::string, Liste> Werte;  // key word -> its numbers
    std::string ZuGross;                 // the key words beyond the doubles' range
    bool Hat(const std::string& k) const { return Werte.count(k) != 0; }
};

std::vector<Datensatz> Einlesen() {
    std::ifstream datei(ZV_REFERENZWERTE);
    std::vector<Datensatz> saetze;
    std::string zeile;
    while (std::getline(datei, zeile)) {
        std::istringstream teile(zeile);
        std::string schluessel, wort;
        teile >> schluessel;
        if (schluessel.empty() || schluessel[0] == '#') continue;
        if (schluessel == "satz") {
            saetze.push_back({zeile, {}, {}});
        } else if (schluessel == "zu_gross") {
            std::getline(teile, saetze.back().ZuGross);
        } else {
            Liste& werte = saetze.back().Werte[schluessel];
            while (teile >> wort) werte.push_back(std::strtod(wort.c_str(), nullptr));
        }
    }
    return saetze;
}

// What a rounded mean leaves in the centred sum Sum((xi - xMitt)(yi - yMitt)): at most
// n eps sqrt(Sxx Syy) from the roundings of the terms and the sum, and (n eps)² times
// sqrt((Sxx + n xMitt²)(Syy + n yMitt²)) from the means' own error (the cross terms cancel).
// Twice that leaves room for the last division and root. Exactly 0 for a constant list.
double Spielraum(const Liste& x, const Liste& y) {
    const long double n = static_cast<long double>(x.size());
    long double mx = 0, my = 0, sxx = 0, syy = 0;
    for (std::size_t i = 0; i < x.size(); ++i) mx += x[i] / n, my += y[i] / n;
    for (std::size_t i = 0; i < x.size(); ++i)
        sxx += (x[i] - mx) * (x[i] - mx), syy += (y[i] - my) * (y[i] - my);
    if (sxx == 0 || syy == 0) return 0;
    const long double ne = n * eps;
    return static_cast<double>(2 *
                               (ne * std::sqrt(sxx * syy) +
                                ne * ne * std::sqrt((sxx + n * mx * mx) * (syy + n * my * my))));
}

::testing::AssertionResult Nahe(double ist, double soll, double spielraum) {
    if (std::fabs(ist - soll) <= spielraum) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::setprecision(17) << ist << " statt " << soll
                                         << " (Spielraum " << spielraum << ")";
}

Liste Quartilwerte(const Liste& x, Quartilsmethode m) {
    const Quartilsteile q = QuartileBerechnen(Stat, x, m);
    return {q.Q1.Wert, q.Q2.Wert, q.Q3.Wert};
}

// Compares one data set; true where the two quartile definitions differ in it.
bool Pruefen(const Datensatz& d) {
    const Liste& x = d.Werte.at("werte");
    const double n = static_cast<double>(x.size());
    if (d.Hat("y")) {
        const Liste& y = d.Werte.at("y");
        const Kovarianzteile k = KovarianzBerechnen(Stat, x, y);
        EXPECT_TRUE(Nahe(k.Kovarianz, d.Werte.at("sxy_n")[0], Spielraum(x, y) / n));
        if (d.Hat("sxy_n1")) {
            EXPECT_TRUE(
                Nahe(k.Stichprobenkovarianz, d.Werte.at("sxy_n1")[0], Spielraum(x, y) / (n - 1)));
        }
        return false;
    }
    // Quartiles are data values or exact middles of two: no tolerance. Where a fence lies
    // beyond the doubles' range, the whole computation fails with an overflow.
    const std::pair<const char*, Quartilsmethode> methoden[] = {
        {"haelften", Quartilsmethode::Haelften}, {"standard", Quartilsmethode::Standard}};
    for (const auto& [name, methode] : methoden) {
        if (d.ZuGross.find(std::string("zaeune_") + name) != std::string::npos) {
            const Quartilsmethode m = methode;  // a lambda captures no structured binding
            EXPECT_EQ(FehlerBeim([&] { QuartileBerechnen(Stat, x, m); }), Fehlerart::Ueberlauf);
        } else {
            EXPECT_EQ(Quartilwerte(x, methode), d.Werte.at(std::string("q_") + name)) << name;
        }
    }
    const Liste &haelften = d.Werte.at("q_haelften"), &standard = d.Werte.at("q_standard");
    const bool weichtAb = haelften[0] != standard[0] || haelften[2] != standard[2];
    if (d.ZuGross.find("zaeune") == std::string::npos) {
        EXPECT_EQ(QuartileBerechnen(Stat, x, Quartilsmethode::Standard).AndereMethodeWeichtAb,
                  weichtAb);
    }
    // Logarithms of mantissas or quotients summed in long double, one rounding to double.
    for (const std::string name : {"geo", "harm"}) {
        if (!d.Hat(name)) continue;
        const double soll = d.Werte.at(name)[0];
        const double ist = name == "geo" ? GeometrischesMittel(x) : HarmonischesMittel(x);
        EXPECT_TRUE(Nahe(ist, soll, 2 * eps * soll)) << name;
    }
    if (d.ZuGross.find("s2") != std::string::npos) {
        EXPECT_EQ(FehlerBeim([&] { StichprobenvarianzBerechnen(Stat, x); }), Fehlerart::Ueberlauf);
    }
    if (d.Hat("s2")) {
        const Stichprobenteile s = StichprobenvarianzBerechnen(Stat, x);
        const double s2 = d.Werte.at("s2")[0], spielraum = Spielraum(x, x) / (n - 1);
        EXPECT_TRUE(Nahe(s.Varianz, s2, spielraum));
        EXPECT_TRUE(Nahe(s.Standardabweichung, d.Werte.at("s")[0],
                         s2 == 0 ? 0 : spielraum / (2 * std::sqrt(s2)) + eps * std::sqrt(s2)));
    }
    if (d.Hat("v")) {
        // Relative: half the variance's, plus the mean's (n eps Sum|xi| / |Sum xi|).
        const double v = d.Werte.at("v")[0];
        long double summe = 0, betraege = 0, quadrate = 0;
        for (double xi : x) summe += xi, betraege += std::fabs(xi);
        for (double xi : x) quadrate += (xi - summe / n) * (xi - summe / n);
        const double relativ = (quadrate == 0 ? 0 : Spielraum(x, x) / (2 * quadrate)) +
                               (n + 1) * eps * betraege / std::fabs(summe) + 2 * eps;
        EXPECT_TRUE(Nahe(VariationskoeffizientBerechnen(Stat, x).v, v, relativ * v));
    }
    if (d.Hat("tabelle")) {
        const std::vector<Haeufigkeitszeile> t = Haeufigkeitstabelle(Stat, x);
        const Liste& soll = d.Werte.at("tabelle");
        EXPECT_EQ(t.size() * 3, soll.size());
        for (std::size_t j = 0; j < t.size() && 3 * j < soll.size(); ++j) {
            EXPECT_EQ(t[j].Wert, soll[3 * j]);
            EXPECT_EQ(t[j].h, soll[3 * j + 1]);
            EXPECT_EQ(t[j].H, soll[3 * j + 2]);
            EXPECT_EQ(t[j].f, t[j].h / n);
            EXPECT_EQ(t[j].F, t[j].H / n);
        }
    }
    return weichtAb;
}

}  // namespace

TEST(Referenzwerte, EngineAgreesWithPythonNumpyAndExactFractions) {
    const std::vector<Datensatz> saetze = Einlesen();
    ASSERT_GT(saetze.size(), 200u) << ZV_REFERENZWERTE;
    int abweichendeMethoden = 0;
    for (const Datensatz& d : saetze) {
        SCOPED_TRACE(d.Name);
        try {
            abweichendeMethoden += Pruefen(d);
        } catch (const Laufzeitfehler& e) {
            ADD_FAILURE() << "Fehler " << static_cast<int>(e.Art());
        }
    }
    EXPECT_GE(abweichendeMethoden, 10);  // the file covers lists where the definitions differ
}

TEST(Referenzwerte, ScalingAndShiftingChangeTheMeasuresAsTheAlgebraSays) {
    // Eighths from 1/8 to 200: every shift below keeps them exact, and with them the quartiles.
    struct Umformung {
        const char* Name;
        double Faktor, Versatz;
    };
    const Umformung umformungen[] = {
        {"* 3", 3, 0},     {"* 0,1", 0.1, 0},  {"* 1E-150", 1e-150, 0}, {"* 1E100", 1e100, 0},
        {"+ 1E6", 1, 1e6}, {"- 1E9", 1, -1e9}, {"+ 2^40", 1, 0x1p40}};
    std::mt19937 zufall(20);
    for (int runde = 0; runde < 30; ++runde) {
        Liste x, y;
        for (int i = 0, n = 2 + runde % 39; i < n; ++i) {
            x.push_back(static_cast<double>(1 + zufall() % 1600) / 8);
            y.push_back(static_cast<double>(1 + zufall() % 1600) / 8);
        }
        if (IstKonstant(x)) continue;
        const double n = static_cast<double>(x.size());
        const Stichprobenteile s = StichprobenvarianzBerechnen(Stat, x);
        const double kov = KovarianzBerechnen(Stat, x, y).Kovarianz;
        for (const Umformung& u : umformungen) {
            SCOPED_TRACE(::testing::Message() << "n " << x.size() << ", x " << u.Name);
            Liste ux = x, uy = y;
            for (double& a : ux) a = a * u.Faktor + u.Versatz;
            for (double& b : uy) b = b * u.Faktor + u.Versatz;
            const Kovarianzteile uk = KovarianzBerechnen(Stat, ux, uy);
            const double c = u.Faktor, kovRaum = (Spielraum(x, y) + Spielraum(ux, uy) / c / c) / n;
            for (auto m : {Quartilsmethode::Haelften, Quartilsmethode::Standard}) {
                const Liste q = Quartilwerte(x, m), uq = Quartilwerte(ux, m);
                for (int i = 0; i < 3; ++i)
                    EXPECT_TRUE(Nahe(uq[i], q[i] * c + u.Versatz, c == 1 ? 0 : 2 * eps * uq[i]));
            }
            if (u.Versatz != 0) {
                EXPECT_TRUE(Nahe(StichprobenvarianzBerechnen(Stat, ux).Varianz, s.Varianz,
                                 (Spielraum(x, x) + Spielraum(ux, ux)) / (n - 1)));
                EXPECT_TRUE(Nahe(uk.Kovarianz, kov, kovRaum));
                continue;
            }
            // The scaled data carry one rounding each: eps / 2 relative, plus both results'.
            const double geo = GeometrischesMittel(x) * c, harm = HarmonischesMittel(x) * c;
            EXPECT_TRUE(Nahe(GeometrischesMittel(ux), geo, 6 * eps * geo));
            EXPECT_TRUE(Nahe(HarmonischesMittel(ux), harm, 6 * eps * harm));
            const double sRaum = Spielraum(x, x) / (n - 1) / s.Varianz + 4 * eps;
            EXPECT_TRUE(Nahe(StichprobenvarianzBerechnen(Stat, ux).Standardabweichung,
                             s.Standardabweichung * c, sRaum * s.Standardabweichung * c));
            const double v = VariationskoeffizientBerechnen(Stat, x).v;
            EXPECT_TRUE(Nahe(VariationskoeffizientBerechnen(Stat, ux).v, v, (sRaum + 4 * eps) * v));
            EXPECT_TRUE(Nahe(uk.Kovarianz / c / c, kov, kovRaum + 4 * eps * std::fabs(kov)));
        }
    }
}

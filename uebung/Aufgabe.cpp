#include "uebung/Aufgabe.h"

#include <cmath>
#include <limits>

#include "base/Laufzeitfehler.h"
#include "base/Rechnen.h"
#include "base/Zahltext.h"
#include "base/clsConcat.h"
#include "engine/Kennwerte.h"
#include "engine/Kontingenz.h"
#include "engine/Quartile.h"
#include "engine/Rangziffern.h"
#include "engine/Regression.h"
#include "sections/Abschnitte.h"

namespace zv {

namespace {

// What an entry asks for: its rows, or none for data the section gives no result for.
using Zeilen = std::vector<Antwortzeile>;

Antwortzeile Zeile(const Statistik& s, std::string name, Zeilenart art, std::vector<double> wahr,
                   std::vector<std::string> namen = {}) {
    return {std::move(name), std::move(namen), &s, art, std::move(wahr)};
}

Antwortzeile Einzeln(const Statistik& s, std::string name, double wahr) {
    return Zeile(s, std::move(name), Zeilenart::Gerundet, {wahr});
}

// The rows of one entry, each value computed by the engine routine its section calls. An
// empty result means the section prints no result for these data; a run-time error the same.
Zeilen ZeilenDesEintrags(const Statistik& s, const Datensatz& d, const Einstellungen& e,
                         const clsStatistik& stat) {
    const auto& x = d.M1;
    const auto& y = d.M2;
    const auto r = s.Routine;
    if (r == AusgabeModus) {
        const std::vector<double> modi = stat.Modus(x);
        return {Zeile(s, "Modus", Zeilenart::Modus, {modi.begin() + 1, modi.end()})};
    }
    if (r == AusgabeMedian) return {Zeile(s, "Median", Zeilenart::Voll, {stat.Median(x)})};
    if (r == AusgabeMittelwert) return {Einzeln(s, "Mittelwert", stat.Mittelwert(x))};
    if (r == AusgabeSpannweite) return {Einzeln(s, "SP", stat.Spannweite(x))};
    if (r == AusgabeDurchschnittlicheAbweichung)
        return {Einzeln(s, "sMed", stat.DurchschnittlicheAbweichungMedianTeile(x).Ergebnis),
                Einzeln(s, "sMitt", stat.DurchschnittlicheAbweichungMittelwertTeile(x).Ergebnis)};
    if (r == AusgabeVarianz)
        return {Einzeln(s, "s²x", stat.MittlereQuadratischeAbweichungTeile(x).Ergebnis)};
    if (r == AusgabeStandardabweichung)
        return {Einzeln(s, "s", Wurzel(stat.MittlereQuadratischeAbweichungTeile(x).Ergebnis))};
    if (r == AusgabeQuartile) {
        const Quartilsteile q = QuartileBerechnen(stat, x, e.Quartile);
        return {Zeile(s, "Q1", Zeilenart::Voll, {q.Q1.Wert}),
                Zeile(s, "Q2 (Median)", Zeilenart::Voll, {q.Q2.Wert}, {"Q2"}),
                Zeile(s, "Q3", Zeilenart::Voll, {q.Q3.Wert}), Einzeln(s, "IQR", q.IQR)};
    }
    if (r == AusgabeGeometrischesMittel) {
        for (double w : x)
            if (!(w > 0)) return {};
        return {Einzeln(s, "xGeo", GeometrischesMittel(x))};
    }
    if (r == AusgabeHarmonischesMittel) {
        for (double w : x)
            if (w == 0) return {};
        return {Einzeln(s, "xHarm", HarmonischesMittel(x))};
    }
    if (r == AusgabeVariationskoeffizient) {
        const Variationsteile t = VariationskoeffizientBerechnen(stat, x);
        // The section's two refusals: no positive mean, or squared deviations too small.
        if (!(t.Mitte > 0)) return {};
        if (!IstKonstant(x) && t.s * t.s < std::ldexp(std::numeric_limits<double>::min(), 53))
            return {};
        return {Einzeln(s, "v", t.v)};
    }
    if (r == AusgabeStichprobenvarianz) {
        if (x.size() < 2) return {};
        const Stichprobenteile t = StichprobenvarianzBerechnen(stat, x);
        return {Einzeln(s, "s²(n-1)", t.Varianz), Einzeln(s, "s(n-1)", t.Standardabweichung)};
    }
    if (r == AusgabeRandhaeufigkeiten) {
        std::vector<double> spalten(x.size());
        double n = 0;
        for (std::size_t j = 0; j < x.size(); ++j) {
            spalten[j] = Plus(x[j], y[j]);
            n = Plus(Plus(n, x[j]), y[j]);
        }
        return {Zeile(s, "h.j", Zeilenart::ListeVoll, spalten),
                Zeile(s, "hi.", Zeilenart::ListeVoll, {stat.Summe(x), stat.Summe(y)}),
                Zeile(s, "n", Zeilenart::Voll, {n})};
    }
    if (r == AusgabeBedingteHaeufigkeiten) {
        const std::size_t k = x.size();
        std::vector<double> a1(k), a2(k), b1(k), b2(k);
        for (std::size_t j = 0; j < k; ++j) {
            a1[j] = Durch(x[j], Plus(y[j], x[j]));
            a2[j] = Durch(y[j], Plus(x[j], y[j]));
        }
        const double summe1 = stat.Summe(x), summe2 = stat.Summe(y);
        for (std::size_t j = 0; j < k; ++j) b1[j] = Durch(x[j], summe1);
        for (std::size_t j = 0; j < k; ++j) b2[j] = Durch(y[j], summe2);
        return {Zeile(s, "f(a1|bj)", Zeilenart::ListeGerundet, a1),
                Zeile(s, "f(a2|bj)", Zeilenart::ListeGerundet, a2),
                Zeile(s, "f(bj|a1)", Zeilenart::ListeGerundet, b1),
                Zeile(s, "f(bj|a2)", Zeilenart::ListeGerundet, b2)};
    }
    if (r == AusgabeUnabhaengigkeitsquotienten) {
        const int k = static_cast<int>(x.size());
        Tabelle tafel(2, k);
        for (int j = 0; j < k; ++j) {
            tafel(0, j) = x[static_cast<std::size_t>(j)];
            tafel(1, j) = y[static_cast<std::size_t>(j)];
        }
        const Tabelle erwartet = stat.Unabhaengigkeitsquotienten(tafel);
        std::vector<double> e1(x.size()), e2(x.size());
        for (int j = 0; j < k; ++j) {
            e1[static_cast<std::size_t>(j)] = erwartet(0, j);
            e2[static_cast<std::size_t>(j)] = erwartet(1, j);
        }
        return {Zeile(s, "h~a1", Zeilenart::ListeGerundet, e1),
                Zeile(s, "h~a2", Zeilenart::ListeGerundet, e2)};
    }
    if (r == AusgabeKontingenzkoeffizient) {
        const Kontingenz t = KontingenzBerechnen(x, y);
        return {Einzeln(s, "chi²", t.chi2), Einzeln(s, "K", t.K), Einzeln(s, "K*", t.KStern)};
    }
    if (r == AusgabeSchwerpunkt)
        return {Einzeln(s, "xMitt", stat.Mittelwert(x)), Einzeln(s, "yMitt", stat.Mittelwert(y))};
    if (r == AusgabeBravaisPearson)
        return {Einzeln(s, "r", BravaisPearson(stat.BravaisPearsonTeile(x, y)))};
    // Spearman, the regression and the determination need two pairs at least.
    if (x.size() < 2) return {};
    if (r == AusgabeSpearman)
        return {Einzeln(s, "rSP",
                        Spearman(stat.SpearmenTeile(RangzifferBilden(x), RangzifferBilden(y))))};
    if (r == AusgabeLineareRegression) {
        const Regressionsgerade g = RegressionBerechnen(stat, x, y);
        return {Einzeln(s, "^b", g.b), Einzeln(s, "^a", g.a)};
    }
    if (r == AusgabeDeterminationskoeffizient)
        return {Einzeln(s, "R²", BestimmtheitBerechnen(stat, x, y).R2)};
    if (r == AusgabeKovarianz) {
        const Kovarianzteile t = KovarianzBerechnen(stat, x, y);
        return {Einzeln(s, "sxy", t.Kovarianz), Einzeln(s, "sxy(n-1)", t.Stichprobenkovarianz)};
    }
    // The frequency table of one list is a table, not a result to give in one line.
    return {};
}

// The section's own lines for an entry, as the report shows them.
std::string Abschnitt(const Aufgabe& a, const Statistik& s, const Einstellungen& e) {
    clsConcat text;
    clsStatistik stat;
    Laufkontext k(a.Daten, e, stat, text);
    AbschnittSchreiben(s, k);
    return text.Value();
}

}  // namespace

Aufgabe AufgabeStellen(const Datensatz& daten, const Einstellungen& einstellungen,
                       const std::vector<Listeneintrag>& auswahl) {
    Aufgabe a{daten, einstellungen, {}, {}, {}, {}};
    a.Einstellungen.Detail = false;
    clsStatistik stat;
    for (const Listeneintrag& eintrag : auswahl) {
        if (!eintrag.Ausgewaehlt) continue;
        const Statistik* s = StatistikZuText(eintrag.Text);
        if (s == nullptr || s->Zweidimensional != daten.Zweidimensional) continue;
        a.Eintraege.push_back(s);
        Zeilen zeilen;
        try {
            zeilen = ZeilenDesEintrags(*s, a.Daten, a.Einstellungen, stat);
            // A result the report cannot print in this number range is none to give either.
            for (const Antwortzeile& z : zeilen)
                for (double w : z.Wahr)
                    if (!std::isfinite(w)) zeilen.clear();
        } catch (const Laufzeitfehler&) {
            zeilen.clear();
        }
        // The frequency table asks for no result in one line: it is no entry without one.
        if (zeilen.empty() && s->Routine != AusgabeHaeufigkeitstabelle) {
            // Why: the section's lines after its title, joined into one.
            std::string grund;
            const std::string text = Abschnitt(a, *s, a.Einstellungen);
            std::size_t anfang = text.find("\r\n");
            while (anfang != std::string::npos) {
                anfang += 2;
                const std::size_t ende = text.find("\r\n", anfang);
                if (ende == std::string::npos || ende == anfang) break;
                if (!grund.empty()) grund += ' ';
                grund += text.substr(anfang, ende - anfang);
                anfang = ende;
            }
            a.Ohne.emplace_back(s, grund);
        }
        for (Antwortzeile& z : zeilen) a.Zeilen.push_back(std::move(z));
    }
    return a;
}

Aufgabe AufgabeStellen(Steuerzustand zustand, const std::string& dezimal) {
    clsRechenlauf lauf(dezimal);
    const std::vector<Listeneintrag> auswahl = std::move(zustand.lstSelection);
    Lesung l = lauf.Einlesen(std::move(zustand));
    if (!l.Daten) {
        Aufgabe a;
        a.Einstellungen = l.Einstellungen;
        a.Abbruch = l.Abbruch;
        return a;
    }
    // Negative places are refused by the rounding, as in every rounded line of the report.
    try {
        (void)GerundetText(0, l.Einstellungen.Nks, dezimal);
    } catch (const Laufzeitfehler& f) {
        Aufgabe a;
        a.Einstellungen = l.Einstellungen;
        a.Abbruch = f.what();
        return a;
    }
    return AufgabeStellen(*l.Daten, l.Einstellungen, auswahl);
}

const Antwortzeile* ZeileZuName(const Aufgabe& aufgabe, std::string_view name) {
    for (const Antwortzeile& z : aufgabe.Zeilen) {
        if (z.Name == name) return &z;
        for (const std::string& n : z.Namen)
            if (n == name) return &z;
    }
    return nullptr;
}

std::string Loesungsweg(const Aufgabe& aufgabe, const Statistik& eintrag) {
    Einstellungen e = aufgabe.Einstellungen;
    e.Detail = true;
    return Abschnitt(aufgabe, eintrag, e);
}

}  // namespace zv

// The one-dimensional sections that print one or two rounded results under their title:
// "Arithmetisches Mittel", "Spannweite", "Durchschnittliche Abweichung",
// "Mittlere quadratische Abweichung", "Standardabweichnung", "Variationskoeffizient" and
// "Stichprobenvarianz und -standardabweichung"; the last two with their steps on request.

#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
#include <string_view>
#include <utility>
#include <vector>

#include "base/Rechnen.h"
#include "base/Zahltext.h"
#include "engine/Kennwerte.h"
#include "sections/Abschnitte.h"
#include "sections/Ergebniszeilen.h"
#include "sections/Formelzeilen.h"
#include "sections/Rechentabelle.h"

namespace zv {

namespace {

// A result line: computes its value and gives the value behind its label, rounded.
using Ergebniszeile = std::function<std::string()>;

// The title, then each result line; each is computed only when it is due, so a failing one
// ends the section after the lines before it. Then the empty line.
void Kennzahlabschnitt(Laufkontext& k, std::initializer_list<Ergebniszeile> zeilen) {
    k.Add(k.Titel);
    for (const Ergebniszeile& zeile : zeilen) k.Add(zeile());
    k.Add("");
}

std::string Anzahl(const Laufkontext& k) {
    return GanzzahlText(static_cast<long long>(k.M1.size()));
}

// "name = Sum(summand) / n = summe / n = ergebnis"
std::string Quotientzeile(const Laufkontext& k, std::string_view name, std::string_view summand,
                          const std::string& summe, const std::string& ergebnis) {
    return std::string(name) + " = Sum(" + std::string(summand) + ") / n = " + Eingesetzt(summe) +
           " / " + Anzahl(k) + " = " + ergebnis;
}

// A row per value: i, xi and the value's terms, rounded; under the terms their sums as given
// (empty for none).
void Abweichungstabelle(Laufkontext& k, Rechentabelle& t,
                        std::initializer_list<std::function<double(double)>> terme,
                        std::vector<std::string> summen) {
    for (std::size_t i = 0; i < k.M1.size(); ++i) {
        const double x = k.M1[i];
        t.Nummer(i) << k.TabellenVoll(x);
        for (const auto& term : terme) t.Gerundet(k, term(x));
    }
    summen.insert(summen.begin(), "");
    t.Summen(std::move(summen));
}

// Sum(xi - xMitt), rounded: the check that the deviations from the mean cancel out.
std::string Abweichungssumme(Laufkontext& k, double mitte) {
    double summe = 0;
    for (double x : k.M1) summe = Plus(summe, Minus(x, mitte));
    return k.Gerundet(summe);
}

// i, xi, xi - xMitt and (xi - xMitt)², the sum of the squares and the variance from it; the
// variance and the standard deviation of one run show the same one, built once.
// s²x with the places that give its root, the standard deviation, as printed.
std::string Varianztext(const Laufkontext& k, const Abweichungsteile& v) {
    const std::string s = k.Gerundet(Wurzel(v.Ergebnis));
    return Stellentext(k, v.Ergebnis, KnappeStellen(k, {v.Ergebnis}, [&](const Gezeigt& g) {
                           return k.Gerundet(std::sqrt(g[0])) == s;
                       }));
}

std::shared_ptr<const Rechentabelle> Varianztabelle(Laufkontext& k, const Abweichungsteile& v) {
    std::shared_ptr<const Rechentabelle>& gebaut = k.Tabellen["Varianz"];
    if (gebaut) return gebaut;
    auto t = std::make_shared<Rechentabelle>();
    t->Vorspann = {"xMitt = " + k.Voll(v.Mitte)};
    t->Kopf({"i", "xi", "xi - xMitt", "(xi - xMitt)²"}, k.M1.size());
    const std::string summe = k.Voll(v.Summe);
    const std::string probe = Abweichungssumme(k, v.Mitte);
    Abweichungstabelle(k, *t,
                       {[&](double x) { return Minus(x, v.Mitte); },
                        [&](double x) { return Quadratabweichung(x, v.Mitte); }},
                       {probe, summe});
    t->Nachspann = {"Probe: Sum(xi - xMitt) = " + probe,
                    Quotientzeile(k, "s²x", "(xi - xMitt)²", summe, Varianztext(k, v))};
    gebaut = std::move(t);
    return gebaut;
}

}  // namespace

}  // namespace zv

void zv::AusgabeMittelwert(Laufkontext& k) {
    double mittel = 0;
    Kennzahlabschnitt(
        k, {[&] { return MittelwertZeile(k.Format, mittel = k.Stat.Mittelwert(k.M1)); }});
    if (!k.Rechentabellen) return;
    // The sum the mean divides, from the routine the mean takes it from; the mean in full, as
    // the tables that work with it show it.
    const std::string summe = k.Voll(k.Stat.Summe(k.M1));
    Rechentabelle t;
    t.Nachspann = {"Sum(xi) = " + summe, "n = " + Anzahl(k),
                   Quotientzeile(k, "xMitt", "xi", summe, k.Voll(mittel))};
    t.Schreiben(k);
}

// Largest minus smallest value.
void zv::AusgabeSpannweite(Laufkontext& k) {
    double sp = 0;
    Kennzahlabschnitt(k, {[&] { return SpannweiteZeile(k.Format, sp = k.Stat.Spannweite(k.M1)); }});
    if (!k.Rechentabellen) return;
    const Extremwerte e = k.Stat.Extrema(k.M1);
    const std::string groesster = k.Voll(e.Groesster), kleinster = k.Voll(e.Kleinster);
    Rechentabelle t;
    t.Nachspann = {"xmax = " + groesster, "xmin = " + kleinster,
                   "SP = xmax - xmin = " + Eingesetzt(groesster) + " - " + Eingesetzt(kleinster) +
                       " = " + k.Gerundet(sp)};
    t.Schreiben(k);
}

// Mean absolute deviation about the median, then about the mean.
void zv::AusgabeDurchschnittlicheAbweichung(Laufkontext& k) {
    Abweichungsteile med, mitt;
    Kennzahlabschnitt(k, {[&] {
                              med = k.Stat.DurchschnittlicheAbweichungMedianTeile(k.M1);
                              return "sMed: " + k.Gerundet(med.Ergebnis);
                          },
                          [&] {
                              mitt = k.Stat.DurchschnittlicheAbweichungMittelwertTeile(k.M1);
                              return "sMitt: " + k.Gerundet(mitt.Ergebnis);
                          }});
    if (!k.Rechentabellen) return;
    Rechentabelle t;
    t.Vorspann = {"Median = " + k.Voll(med.Mitte), "xMitt = " + k.Voll(mitt.Mitte)};
    t.Kopf({"i", "xi", "|xi - Median|", "xi - xMitt", "|xi - xMitt|"}, k.M1.size());
    const std::string summeMed = k.Voll(med.Summe), summeMitt = k.Voll(mitt.Summe);
    const std::string probe = Abweichungssumme(k, mitt.Mitte);
    Abweichungstabelle(k, t,
                       {[&](double x) { return Absolutabweichung(x, med.Mitte); },
                        [&](double x) { return Minus(x, mitt.Mitte); },
                        [&](double x) { return Absolutabweichung(x, mitt.Mitte); }},
                       {summeMed, probe, summeMitt});
    t.Nachspann = {"Probe: Sum(xi - xMitt) = " + probe,
                   Quotientzeile(k, "sMed", "|xi - Median|", summeMed, k.Gerundet(med.Ergebnis)),
                   Quotientzeile(k, "sMitt", "|xi - xMitt|", summeMitt, k.Gerundet(mitt.Ergebnis))};
    t.Schreiben(k);
}

// The population variance.
void zv::AusgabeVarianz(Laufkontext& k) {
    Abweichungsteile v;
    Kennzahlabschnitt(k, {[&] {
                          v = k.Stat.MittlereQuadratischeAbweichungTeile(k.M1);
                          return "s²x: " + k.Gerundet(v.Ergebnis);
                      }});
    if (!k.Rechentabellen) return;
    Varianztabelle(k, v)->Schreiben(k);
}

// The root of the unrounded population variance.
void zv::AusgabeStandardabweichung(Laufkontext& k) {
    Abweichungsteile v;
    double s = 0;
    Kennzahlabschnitt(k, {[&] {
                          v = k.Stat.MittlereQuadratischeAbweichungTeile(k.M1);
                          return StandardabweichungZeile(k.Format, s = Wurzel(v.Ergebnis));
                      }});
    if (!k.Rechentabellen) return;
    Varianztabelle(k, v)->Schreiben(
        k, {"s = Sqrt(s²x) = Sqrt(" + Varianztext(k, v) + ") = " + k.Gerundet(s)});
}

// s / xMitt with the standard deviation of divisor n, for data with a positive mean.
void zv::AusgabeVariationskoeffizient(Laufkontext& k) {
    k.Add(k.Titel);
    const Variationsteile t = VariationskoeffizientBerechnen(k.Stat, k.M1);
    if (!(t.Mitte > 0)) {
        k.Add("Der Variationskoeffizient ist nur für Daten mit positivem Mittelwert definiert.");
        k.Add("xMitt = " + k.Voll(t.Mitte));
        k.Add("");
        return;
    }
    // Squared deviations near the smallest normal double lose digits or vanish (s = 0 for
    // values of 1E-308 that differ), and v, unlike s, is not small then: no number at all.
    // s² is their mean, as near as this bound needs.
    if (!IstKonstant(k.M1) && t.s * t.s < std::ldexp(std::numeric_limits<double>::min(), 53)) {
        k.Add("Der Variationskoeffizient lässt sich hier nicht genau berechnen:");
        k.Add("Die quadrierten Abweichungen vom Mittelwert sind zu klein für den Zahlenbereich.");
        k.Add("");
        return;
    }
    const std::string v = k.Gerundet(t.v);
    if (k.Detail) {
        k.Add("");
        BruchZeilen(k, "v = ", "s", "xMitt");
        k.Add("");
        k.Add("s = Sqrt(s²x) = " + k.Voll(t.s) + " (Standardabweichung, geteilt durch n)");
        k.Add("xMitt = " + k.Voll(t.Mitte));
        k.Add("");
        BruchZeilen(k, "v = ", k.Voll(t.s), k.Voll(t.Mitte), " = " + v);
        k.Add("");
    }
    k.Add("v: " + v);
    k.Add("v in Prozent: " + k.Gerundet(Mal(t.v, 100)) + " %");
    for (double x : k.M1) {
        if (x > 0) continue;
        k.Add("Hinweis: Der Variationskoeffizient ist für Daten mit nur positiven Werten gedacht.");
        break;
    }
    k.Add("");
    if (!k.Rechentabellen) return;
    // From the variance's table: its sum of squares in full gives s without a rounded step.
    const Abweichungsteile a = k.Stat.MittlereQuadratischeAbweichungTeile(k.M1);
    Varianztabelle(k, a)->Schreiben(
        k, {"v = Sqrt(Sum((xi - xMitt)²) / n) / xMitt = Sqrt(" + k.Voll(a.Summe) + " / " +
            Anzahl(k) + ") / " + k.Voll(a.Mitte) + " = " + v});
}

// Sum((xi - xMitt)²) / (n - 1) and its root, with the line that sets the divisor apart from
// that of the mean squared deviation.
void zv::AusgabeStichprobenvarianz(Laufkontext& k) {
    k.Add(k.Titel);
    if (k.M1.size() < 2) {
        k.Add("Die Stichprobenvarianz braucht mindestens zwei Werte: Ihr Teiler n - 1 ist hier 0.");
        k.Add("");
        return;
    }
    const Stichprobenteile s = StichprobenvarianzBerechnen(k.Stat, k.M1);
    // The mean squared deviation from the same centred sum, as its own section computes it.
    const Abweichungsteile a{s.Mitte, s.Summe, Durch(s.Summe, static_cast<double>(k.M1.size()))};
    const std::string varianz = k.Gerundet(s.Varianz),
                      abweichung = k.Gerundet(s.Standardabweichung);
    const std::string n = Anzahl(k), summe = k.Voll(s.Summe);
    if (k.Detail) {
        k.Add("");
        BruchZeilen(k, "s²(n-1) = ", "Sum((xi - xMitt)²)", "n - 1");
        k.Add("");
        k.Add("xMitt = " + k.Voll(s.Mitte));
        k.Add("Sum((xi - xMitt)²) = " + summe);
        k.Add("");
        BruchZeilen(k, "s²(n-1) = ", summe, n + " - 1", " = " + varianz);
        k.Add("");
        k.Add("s(n-1) = Sqrt(s²(n-1)) = Sqrt(" + k.Voll(s.Varianz) + ") = " + abweichung);
        k.Add("");
    }
    k.Add("s²(n-1): " + varianz);
    k.Add("s(n-1): " + abweichung);
    k.Add("Geteilt durch n - 1 = " + GanzzahlText(static_cast<long long>(k.M1.size() - 1)) +
          ": s²(n-1) = " + varianz);
    k.Add("Die mittlere quadratische Abweichung teilt durch n = " + n +
          ": s²x = " + k.Gerundet(a.Ergebnis));
    k.Add("");
    if (!k.Rechentabellen) return;
    // s²(n-1) with the places that give its root as printed, like s²x in the same table.
    const int stellen = KnappeStellen(k, {s.Varianz}, [&](const Gezeigt& g) {
        return k.Gerundet(std::sqrt(g[0])) == abweichung;
    });
    const std::string knapp = Stellentext(k, s.Varianz, stellen);
    Varianztabelle(k, a)->Schreiben(
        k, {"s²(n-1) = Sum((xi - xMitt)²) / (n - 1) = " + summe + " / (" + n + " - 1) = " + knapp,
            "s(n-1) = Sqrt(s²(n-1)) = Sqrt(" + knapp + ") = " + abweichung});
}

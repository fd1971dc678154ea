#include "uebung/Fehlerkatalog.h"

#include <algorithm>
#include <numeric>

#include "base/Laufzeitfehler.h"
#include "base/Rechnen.h"
#include "base/Zahltext.h"
#include "engine/Kennwerte.h"
#include "engine/Kontingenz.h"
#include "engine/Regression.h"
#include "uebung/Bewertung.h"

namespace zv {

namespace {

using Ergebnis = std::optional<Fehlrechnung>;

std::string Anzahl(std::size_t n) {
    return GanzzahlText(static_cast<long long>(n));
}

std::string Voll(const Aufgabe& a, double x) {
    return VollText(x, a.Einstellungen.Dezimaltrennzeichen);
}

// n and n - 1 of the first list, the numbers of the divisor mistakes.
Fehlrechnung MitN(const Aufgabe& a, double wert) {
    const std::size_t n = a.Daten.M1.size();
    return {wert, {{"n", Anzahl(n)}, {"n-1", Anzahl(n - 1)}}};
}

double Varianz(const Aufgabe& a) {
    return clsStatistik().MittlereQuadratischeAbweichung(a.Daten.M1);
}

Ergebnis Stichprobe(const Aufgabe& a, bool wurzel) {
    if (a.Daten.M1.size() < 2) return std::nullopt;
    const Stichprobenteile t = StichprobenvarianzBerechnen(clsStatistik(), a.Daten.M1);
    return MitN(a, wurzel ? t.Standardabweichung : t.Varianz);
}

// The sorted list and the value at a position counted from 1.
double Stelle(const Aufgabe& a, std::size_t position) {
    std::vector<double> sortiert;
    clsStatistik().BubbleSort(a.Daten.M1, sortiert);
    return sortiert.at(position - 1);
}

Ergebnis MitteAllein(const Aufgabe& a, bool obere) {
    const std::size_t n = a.Daten.M1.size();
    if (n % 2 != 0) return std::nullopt;
    const std::size_t k = n / 2;
    return Fehlrechnung{Stelle(a, obere ? k + 1 : k),
                        {{"n", Anzahl(n)}, {"k", Anzahl(k)}, {"k+1", Anzahl(k + 1)}}};
}

// Ranks 1, 2, 3, ... from the largest value down, tied values in the order they were typed:
// what a learner writes who numbers the sorted list without sharing ranks.
std::vector<double> RaengeOhneMittel(const std::vector<double>& werte) {
    std::vector<std::size_t> ordnung(werte.size());
    std::iota(ordnung.begin(), ordnung.end(), std::size_t{0});
    std::stable_sort(ordnung.begin(), ordnung.end(),
                     [&](std::size_t i, std::size_t j) { return werte[i] > werte[j]; });
    std::vector<double> raenge(werte.size());
    for (std::size_t r = 0; r < ordnung.size(); ++r)
        raenge[ordnung[r]] = static_cast<double>(r + 1);
    return raenge;
}

double Korrelation(const Aufgabe& a) {
    return BravaisPearson(clsStatistik().BravaisPearsonTeile(a.Daten.M1, a.Daten.M2));
}

Ergebnis KSternMit(const Aufgabe& a, double m) {
    const Kontingenz t = KontingenzBerechnen(a.Daten.M1, a.Daten.M2);
    return Fehlrechnung{Durch(t.K, Wurzel(Durch(Minus(m, 1), m))),
                        {{"M", Voll(a, m)}, {"Kmax", Voll(a, Wurzel(Durch(Minus(m, 1), m)))}}};
}

constexpr Fehlerbild kFehlerbilder[] = {
    {"Modus",
     "Sie haben die Häufigkeit {h} angegeben; der Modus ist der Wert, der {h}-mal vorkommt, "
     "nicht seine Anzahl.",
     [](const Aufgabe& a) -> Ergebnis {
         const Haeufigkeitsliste h = clsStatistik().Auszaehlen(a.Daten.M1);
         const std::int32_t meiste = *std::max_element(h.Anzahl.begin(), h.Anzahl.end());
         if (meiste < 2) return std::nullopt;
         return Fehlrechnung{static_cast<double>(meiste), {{"h", Anzahl(meiste)}}};
     }},
    {"Median",
     "Sie haben die Mitte der ungeordneten Urliste genommen; vor dem Ablesen des Medians muss "
     "die Liste der Größe nach geordnet werden.",
     [](const Aufgabe& a) -> Ergebnis {
         const auto& x = a.Daten.M1;
         const std::size_t n = x.size();
         const double mitte = n % 2 != 0 ? x[n / 2] : Durch(Plus(x[n / 2 - 1], x[n / 2]), 2.0);
         return Fehlrechnung{mitte, {}};
     }},
    {"Median",
     "Bei geradem n = {n} ist der Median das Mittel aus x({k}) und x({k+1}), nicht x({k}) "
     "allein.",
     [](const Aufgabe& a) { return MitteAllein(a, false); }},
    {"Median",
     "Bei geradem n = {n} ist der Median das Mittel aus x({k}) und x({k+1}), nicht x({k+1}) "
     "allein.",
     [](const Aufgabe& a) { return MitteAllein(a, true); }},
    {"sMed",
     "Sie haben die Abstände vom Mittelwert {mitte} genommen; sMed misst sie vom Median "
     "{median}.",
     [](const Aufgabe& a) -> Ergebnis {
         const clsStatistik stat;
         const Abweichungsteile t = stat.DurchschnittlicheAbweichungMittelwertTeile(a.Daten.M1);
         return Fehlrechnung{
             t.Ergebnis,
             {{"mitte", Voll(a, t.Mitte)}, {"median", Voll(a, stat.Median(a.Daten.M1))}}};
     }},
    {"sMitt",
     "Sie haben die Abstände vom Median {median} genommen; sMitt misst sie vom Mittelwert "
     "{mitte}.",
     [](const Aufgabe& a) -> Ergebnis {
         const clsStatistik stat;
         const Abweichungsteile t = stat.DurchschnittlicheAbweichungMedianTeile(a.Daten.M1);
         return Fehlrechnung{
             t.Ergebnis,
             {{"median", Voll(a, t.Mitte)}, {"mitte", Voll(a, stat.Mittelwert(a.Daten.M1))}}};
     }},
    {"s²x",
     "Sie haben durch n − 1 = {n-1} geteilt; die mittlere quadratische Abweichung teilt durch "
     "n = {n}.",
     [](const Aufgabe& a) { return Stichprobe(a, false); }},
    {"s²x",
     "Sie haben die Wurzel gezogen: {antwort} ist die Standardabweichung s; s²x ist ihr "
     "Quadrat.",
     [](const Aufgabe& a) -> Ergebnis { return MitN(a, Wurzel(Varianz(a))); }},
    {"s",
     "Sie haben durch n − 1 = {n-1} geteilt; s ist die Wurzel aus der Summe der "
     "Abweichungsquadrate geteilt durch n = {n}.",
     [](const Aufgabe& a) { return Stichprobe(a, true); }},
    {"s", "Sie haben die Wurzel vergessen: {antwort} ist s²x; die Standardabweichung ist s = √s²x.",
     [](const Aufgabe& a) -> Ergebnis { return MitN(a, Varianz(a)); }},
    {"s", "Sie haben die Wurzel zweimal gezogen: s = √s²x, nicht √(√s²x).",
     [](const Aufgabe& a) -> Ergebnis { return MitN(a, Wurzel(Wurzel(Varianz(a)))); }},
    {"s²(n-1)",
     "Sie haben durch n = {n} geteilt; die Stichprobenvarianz teilt durch n − 1 = {n-1}.",
     [](const Aufgabe& a) -> Ergebnis { return MitN(a, Varianz(a)); }},
    {"s(n-1)",
     "Sie haben durch n = {n} geteilt; die Stichprobenstandardabweichung ist die Wurzel aus "
     "der Summe der Abweichungsquadrate geteilt durch n − 1 = {n-1}.",
     [](const Aufgabe& a) -> Ergebnis { return MitN(a, Wurzel(Varianz(a))); }},
    {"s(n-1)", "Sie haben die Wurzel vergessen: {antwort} ist s²(n-1); s(n-1) = √s²(n-1).",
     [](const Aufgabe& a) { return Stichprobe(a, false); }},
    {"rSP",
     "Sie haben gleichen Werten verschiedene Rangziffern gegeben; gleiche Werte erhalten den "
     "Mittelwert der Rangplätze, die sie zusammen belegen.",
     [](const Aufgabe& a) -> Ergebnis {
         const clsStatistik stat;
         return Fehlrechnung{Spearman(stat.SpearmenTeile(RaengeOhneMittel(a.Daten.M1),
                                                         RaengeOhneMittel(a.Daten.M2))),
                             {}};
     }},
    {"r",
     "Sie haben r quadriert: {antwort} ist das Bestimmtheitsmaß R²; r selbst hat den Betrag "
     "√R² und das Vorzeichen der Steigung.",
     [](const Aufgabe& a) -> Ergebnis {
         const double r = Korrelation(a);
         return Fehlrechnung{Mal(r, r), {}};
     }},
    {"R²", "Sie haben den Korrelationskoeffizienten r angegeben; R² ist sein Quadrat.",
     [](const Aufgabe& a) -> Ergebnis {
         return Fehlrechnung{Korrelation(a), {}};
     }},
    {"^a",
     "Sie haben ^a und ^b vertauscht: {antwort} ist die Steigung ^b; der Achsenabschnitt ist "
     "^a = yMitt − ^b · xMitt.",
     [](const Aufgabe& a) -> Ergebnis {
         return Fehlrechnung{RegressionBerechnen(clsStatistik(), a.Daten.M1, a.Daten.M2).b, {}};
     }},
    {"^b",
     "Sie haben ^a und ^b vertauscht: {antwort} ist der Achsenabschnitt ^a; die Steigung ist "
     "^b = Sxy / Sxx.",
     [](const Aufgabe& a) -> Ergebnis {
         return Fehlrechnung{RegressionBerechnen(clsStatistik(), a.Daten.M1, a.Daten.M2).a, {}};
     }},
    {"^b",
     "Sie haben Sxy durch Syy = {Syy} geteilt, die Steigung der Regression von x auf y; ^b "
     "teilt durch Sxx = {Sxx}.",
     [](const Aufgabe& a) -> Ergebnis {
         const clsStatistik stat;
         const Regressionsgerade umgekehrt = RegressionBerechnen(stat, a.Daten.M2, a.Daten.M1);
         const Regressionsgerade g = RegressionSummen(stat, a.Daten.M1, a.Daten.M2);
         return Fehlrechnung{umgekehrt.b,
                             {{"Syy", Voll(a, umgekehrt.Sxx)}, {"Sxx", Voll(a, g.Sxx)}}};
     }},
    {"chi²",
     "Sie haben durch die beobachteten Häufigkeiten hij geteilt; chi² teilt jedes "
     "(hij − h~ij)² durch die erwartete Häufigkeit h~ij.",
     [](const Aufgabe& a) -> Ergebnis {
         const Kontingenz t = KontingenzBerechnen(a.Daten.M1, a.Daten.M2);
         double summe = 0;
         for (std::size_t j = 0; j < a.Daten.M1.size(); ++j) {
             summe = Plus(summe, Chi2Summand(t.Erwartet1[j], a.Daten.M1[j]));
             summe = Plus(summe, Chi2Summand(t.Erwartet2[j], a.Daten.M2[j]));
         }
         return Fehlrechnung{summe, {}};
     }},
    {"K",
     "Sie haben die Wurzel vergessen: {antwort} ist chi² / (n + chi²); K = √(chi² / (n + "
     "chi²)).",
     [](const Aufgabe& a) -> Ergebnis {
         const Kontingenz t = KontingenzBerechnen(a.Daten.M1, a.Daten.M2);
         return Fehlrechnung{Durch(t.chi2, Plus(t.n, t.chi2)), {}};
     }},
    {"K*",
     "Sie haben Kmax mit M = {M} berechnet; M ist die kleinere der Zahlen der Zeilen und "
     "Spalten, bei den zwei Zeilen a1 und a2 also 2.",
     [](const Aufgabe& a) { return KSternMit(a, 3); }},
    {"K*",
     "Sie haben Kmax mit M = {M}, der Zahl der Spalten, berechnet; M ist die kleinere der "
     "Zahlen der Zeilen und Spalten, bei den zwei Zeilen a1 und a2 also 2.",
     [](const Aufgabe& a) { return KSternMit(a, static_cast<double>(a.Daten.M1.size())); }},
};

}  // namespace

std::span<const Fehlerbild> AlleFehlerbilder() {
    return kFehlerbilder;
}

std::optional<Fehlrechnung> FehlerRechnen(const Fehlerbild& fehler, const Aufgabe& aufgabe) {
    try {
        std::optional<Fehlrechnung> r = fehler.Rechnung(aufgabe);
        if (r && !std::isfinite(r->Wert)) return std::nullopt;
        return r;
    } catch (const Laufzeitfehler&) {
        return std::nullopt;
    } catch (const std::out_of_range&) {
        return std::nullopt;
    }
}

std::string FehlerSatz(const Fehlerbild& fehler, const Fehlrechnung& rechnung,
                       std::string_view antwort) {
    std::string satz(fehler.Satz);
    const auto ersetzen = [&](const std::string& platz, std::string_view text) {
        for (std::size_t i = satz.find(platz); i != std::string::npos;
             i = satz.find(platz, i + text.size()))
            satz.replace(i, platz.size(), text);
    };
    ersetzen("{antwort}", antwort);
    for (const auto& [name, text] : rechnung.Zahlen) ersetzen("{" + name + "}", text);
    return satz;
}

std::string FehlerErkennen(const Aufgabe& aufgabe, const Antwortzeile& zeile, double antwort,
                           std::string_view antworttext) {
    const int nks = aufgabe.Einstellungen.Nks;
    const bool voll = zeile.Art != Zeilenart::Gerundet && zeile.Art != Zeilenart::ListeGerundet;
    for (const Fehlerbild& f : kFehlerbilder) {
        if (f.Name != zeile.Name) continue;
        const std::optional<Fehlrechnung> r = FehlerRechnen(f, aufgabe);
        if (!r || WertBewerten(antwort, r->Wert, nks, voll) != Note::Richtig) continue;
        // A mistake that gives the right result at these places is no mistake here.
        const bool gleich = std::any_of(zeile.Wahr.begin(), zeile.Wahr.end(), [&](double w) {
            return WertBewerten(r->Wert, w, nks, voll) == Note::Richtig ||
                   WertBewerten(AufStellen(r->Wert, nks), w, nks, voll) == Note::Richtig;
        });
        if (!gleich) return FehlerSatz(f, *r, antworttext);
    }
    return {};
}

}  // namespace zv

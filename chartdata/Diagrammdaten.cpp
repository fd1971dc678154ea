#include "chartdata/Diagrammdaten.h"

#include <algorithm>
#include <bit>
#include <string_view>

#include "base/Laufzeitfehler.h"
#include "base/Rechnen.h"
#include "base/Text.h"
#include "base/Zahltext.h"
#include "chartdata/Diagrammarten.h"
#include "engine/Kontingenz.h"
#include "engine/Quartile.h"
#include "engine/Rangziffern.h"
#include "engine/Regression.h"
#include "engine/clsStatistik.h"
#include "run/Statistiken.h"
#include "sections/Abschnitte.h"
#include "sections/Ergebniszeilen.h"

namespace zv {

namespace {

// The list entry of the statistic whose section is abschnitt: what a line of the chart names
// when that statistic fails.
std::string_view Name(void (*abschnitt)(Laufkontext&)) {
    return StatistikZuAbschnitt(abschnitt)->Text;
}

// Runs one mark's computation; a run-time error leaves the mark out and adds one line naming
// it with the error's description, as the report would print it.
template <class Schritt>
void Versuchen(std::vector<std::string>& meldungen, std::string_view name, Schritt&& schritt) {
    try {
        schritt();
    } catch (const Laufzeitfehler& fehler) {
        meldungen.push_back(std::string(name) + ": " + fehler.what());
    }
}

std::string MitAnzahl(std::string_view titel, std::size_t n) {
    return std::string(titel) + " (n = " + GanzzahlText(static_cast<long long>(n)) + ")";
}

// The list entry of the quartiles, whose section the boxplot and the curve's marks follow.
constexpr std::string_view kQuartile = "Quartile";

std::string Definitionszeile(Quartilsmethode methode) {
    if (methode == Quartilsmethode::Haelften)
        return "Quartile nach der Hälftenmethode: Q1 und Q3 sind die Mediane der unteren und "
               "der oberen Hälfte";
    return "Quartile nach der Standarddefinition: x~p = x(⌈n·p⌉), bei ganzem n·p das Mittel "
           "von x(n·p) und x(n·p+1)";
}

}  // namespace

std::vector<Saeule> Klassenbilden(const std::vector<double>& sortiert) {
    const std::size_t n = sortiert.size();
    if (n == 0) return {};
    // ceil(log2 n) + 1 classes.
    const std::size_t k = static_cast<std::size_t>(std::bit_width(n - 1)) + 1;
    const double kleinster = sortiert.front();
    const double groesster = sortiert.back();

    // Bound j lies the fraction j / k of the way from the minimum to the maximum. Formed as a
    // weighted mean, it stays between the two without forming their difference, which can
    // overflow; rounding is kept from running backwards or past the maximum.
    std::vector<double> grenzen(k + 1);
    grenzen[0] = kleinster;
    for (std::size_t j = 1; j < k; ++j) {
        const double t = static_cast<double>(j) / static_cast<double>(k);
        const double g = kleinster * (1 - t) + groesster * t;
        grenzen[j] = std::clamp(g, grenzen[j - 1], groesster);
    }
    grenzen[k] = groesster;

    std::vector<Saeule> klassen(k);
    for (std::size_t j = 0; j < k; ++j) klassen[j] = {grenzen[j], grenzen[j + 1], 0};
    // A value belongs to the last class whose lower bound it reaches; the maximum to the last.
    for (double x : sortiert) {
        const auto innen = std::upper_bound(grenzen.begin() + 1, grenzen.end() - 1, x);
        ++klassen[static_cast<std::size_t>(innen - (grenzen.begin() + 1))].Anzahl;
    }
    return klassen;
}

Verteilungsdiagramm VerteilungBilden(const std::vector<double>& werte, const Einstellungen& e) {
    const clsStatistik stat;
    const Zahlformat f(e);
    Verteilungsdiagramm d;
    d.n = werte.size();
    d.Titel = MitAnzahl("Verteilung der Urliste", d.n);
    if (werte.empty()) return d;

    std::vector<double> sortiert;
    stat.BubbleSort(werte, sortiert);

    // The distinct values with their counts; equal as the mode compares them (0 and -0 alike).
    for (std::size_t i = 0; i < sortiert.size();) {
        std::size_t j = i + 1;
        while (j < sortiert.size() && sortiert[j] == sortiert[i]) ++j;
        d.Saeulen.push_back({sortiert[i], sortiert[i], static_cast<long long>(j - i)});
        i = j;
    }
    // The smallest gap against the span, in extended precision: differences of values near the
    // limits of double overflow.
    bool zuWeit = false;
    if (d.Saeulen.size() > 1) {
        long double luecke = static_cast<long double>(d.Saeulen[1].Von) - d.Saeulen[0].Von;
        for (std::size_t i = 2; i < d.Saeulen.size(); ++i)
            luecke = std::min(luecke, static_cast<long double>(d.Saeulen[i].Von) -
                                          static_cast<long double>(d.Saeulen[i - 1].Von));
        const long double spanne =
            static_cast<long double>(d.Saeulen.back().Von) - d.Saeulen.front().Von;
        zuWeit = 0.8L * luecke < spanne * static_cast<long double>(kSchmalsteSaeule);
    }
    if (const bool viele = d.Saeulen.size() > kHoechstensEinzelwerte; viele || zuWeit) {
        d.Klassiert = true;
        d.Saeulen = Klassenbilden(sortiert);
        d.Titel += ", in " + GanzzahlText(static_cast<long long>(d.Saeulen.size())) + " Klassen";
        if (!viele) d.Titel += " (zu weit auseinander für eine Säule je Wert)";
        // Without decimal places to round to, which the rounded statistics' lines name, the
        // axis keeps numbers of its own.
        try {
            for (const Saeule& s : d.Saeulen) d.Grenzen.push_back(f.Gerundet(s.Von));
            d.Grenzen.push_back(f.Gerundet(d.Saeulen.back().Bis));
        } catch (const Laufzeitfehler&) {
            d.Grenzen.clear();
        }
    }

    Versuchen(d.Meldungen, Name(AusgabeModus), [&] {
        const std::vector<double> modi = stat.Modus(werte);
        std::vector<Marke> marken;
        for (std::size_t i = 1; i < modi.size(); ++i) marken.push_back({modi[i], f.Voll(modi[i])});
        d.ModusZeile = ModusZeile(f, modi);
        d.Modi = std::move(marken);
    });
    Versuchen(d.Meldungen, Name(AusgabeMedian), [&] {
        const double median = stat.Median(sortiert);
        d.Median = Marke{median, MedianZeile(f, median)};
    });
    Versuchen(d.Meldungen, Name(AusgabeMittelwert), [&] {
        const double mittel = stat.Mittelwert(werte);
        d.Mittelwert = Marke{mittel, MittelwertZeile(f, mittel)};
    });
    Versuchen(d.Meldungen, Name(AusgabeSpannweite), [&] {
        const double sp = stat.Spannweite(werte);
        d.Spannweite = Strecke{sortiert.front(), sortiert.back(), SpannweiteZeile(f, sp)};
    });
    Versuchen(d.Meldungen, Name(AusgabeStandardabweichung), [&] {
        const double s = Wurzel(stat.MittlereQuadratischeAbweichung(werte));
        const std::string text = StandardabweichungZeile(f, s);
        // The band lies around the mean; without one its own line says why.
        if (!d.Mittelwert) return;
        const double mittel = d.Mittelwert->Wert;
        Versuchen(d.Meldungen, "Mittelwert ± s", [&] {
            d.Streuung = Strecke{Minus(mittel, s), Plus(mittel, s), text};
        });
    });
    return d;
}

Boxplotdiagramm BoxplotBilden(const std::vector<double>& werte, const Einstellungen& e) {
    const clsStatistik stat;
    const Zahlformat f(e);
    Boxplotdiagramm d;
    d.Titel = MitAnzahl("Boxplot der Urliste", werte.size());
    d.Definition = Definitionszeile(e.Quartile);
    if (werte.empty()) return d;
    Versuchen(d.Meldungen, kQuartile, [&] {
        const Quartilsteile q = QuartileBerechnen(stat, werte, e.Quartile);
        Kasten k;
        k.Q1 = {q.Q1.Wert, "Q1: " + f.Voll(q.Q1.Wert)};
        k.Median = {q.Q2.Wert, "Q2 (Median): " + f.Voll(q.Q2.Wert)};
        k.Q3 = {q.Q3.Wert, "Q3: " + f.Voll(q.Q3.Wert)};
        k.UntererWhisker = {q.UntererWhisker, f.Voll(q.UntererWhisker)};
        k.ObererWhisker = {q.ObererWhisker, f.Voll(q.ObererWhisker)};
        for (double x : q.Ausreisser) k.Ausreisser.push_back({x, f.Voll(x)});
        d.Box = std::move(k);
        // The rounded results fail alone (no decimal places to round to), the box stays.
        Versuchen(d.Meldungen, kQuartile, [&] {
            std::string iqr = "IQR: " + f.Gerundet(q.IQR);
            const std::string anderthalb = "1" + std::string(f.Dezimal()) + "5";
            Strecke zaeune{q.UntererZaun, q.ObererZaun,
                           "Zäune Q1 − " + anderthalb + "·IQR = " + f.Gerundet(q.UntererZaun) +
                               " und Q3 + " + anderthalb + "·IQR = " + f.Gerundet(q.ObererZaun)};
            d.Box->IQR = std::move(iqr);
            d.Box->Zaeune = std::move(zaeune);
        });
    });
    return d;
}

Summenkurve SummenkurveBilden(const std::vector<double>& werte, const Einstellungen& e) {
    const clsStatistik stat;
    const Zahlformat f(e);
    Summenkurve d;
    d.Titel = MitAnzahl("Empirische Verteilungsfunktion der Urliste", werte.size());
    d.Abgelesen = "Abgelesen bei F = " + f.Voll(kQuartilsanteile[0]) + ", " +
                  f.Voll(kQuartilsanteile[1]) + " und " + f.Voll(kQuartilsanteile[2]) +
                  " (Standarddefinition der Quartile)";
    if (werte.empty()) return d;
    for (const Haeufigkeitszeile& zeile : Haeufigkeitstabelle(stat, werte)) {
        d.Werte.push_back(zeile.Wert);
        d.F.push_back(zeile.F);
    }
    Versuchen(d.Meldungen, kQuartile, [&] {
        const Quartilsteile q = QuartileBerechnen(stat, werte, Quartilsmethode::Standard);
        Marke q1{q.Q1.Wert, "Q1: " + f.Voll(q.Q1.Wert)};
        Marke median{q.Q2.Wert, "Q2 (Median): " + f.Voll(q.Q2.Wert)};
        Marke q3{q.Q3.Wert, "Q3: " + f.Voll(q.Q3.Wert)};
        if (e.Quartile != Quartilsmethode::Standard && q.AndereMethodeWeichtAb) {
            const Quartilsteile h = QuartileBerechnen(stat, werte, e.Quartile);
            d.Abweichung = "Die Hälftenmethode der Auswertung gibt Q1: " + f.Voll(h.Q1.Wert) +
                           " und Q3: " + f.Voll(h.Q3.Wert);
        }
        d.Q1 = std::move(q1);
        d.Median = std::move(median);
        d.Q3 = std::move(q3);
    });
    return d;
}

Streudiagramm StreudiagrammBilden(const std::vector<double>& x, const std::vector<double>& y,
                                  const Einstellungen& e) {
    const clsStatistik stat;
    const Zahlformat f(e);
    Streudiagramm d;
    d.X = x;
    d.Y = y;
    d.Titel = MitAnzahl("Streudiagramm der Wertepaare", x.size());
    d.ResiduenAn = x.size() <= kResiduenBis;
    if (x.empty() || x.size() != y.size()) return d;

    std::vector<std::pair<double, double>> paare(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) paare[i] = {x[i], y[i]};
    std::sort(paare.begin(), paare.end());
    for (std::size_t i = 0; i < paare.size();) {
        std::size_t j = i + 1;
        while (j < paare.size() && paare[j] == paare[i]) ++j;
        if (j - i > 1)
            d.Mehrfach.push_back({paare[i].first, paare[i].second, static_cast<long long>(j - i)});
        i = j;
    }
    // Spearman, the regression and R² need two pairs at least; the report then prints its
    // message instead.
    const auto paarweise = [&](std::string_view name, auto&& schritt) {
        if (x.size() < 2)
            d.Meldungen.push_back(std::string(name) + ": " + std::string(kPaareUnvollstaendig));
        else
            Versuchen(d.Meldungen, name, schritt);
    };

    Versuchen(d.Meldungen, Name(AusgabeSchwerpunkt), [&] {
        const double xMitt = stat.Mittelwert(x);
        const double yMitt = stat.Mittelwert(y);
        Marke mx{xMitt, SchwerpunktXZeile(f, xMitt)};
        Marke my{yMitt, SchwerpunktYZeile(f, yMitt)};
        d.SchwerpunktX = std::move(mx);
        d.SchwerpunktY = std::move(my);
    });
    paarweise("Regressionsgerade", [&] {
        const Regressionsgerade g = RegressionBerechnen(stat, x, y);
        Regressionslinie linie;
        linie.TextB = SteigungZeile(f, g.b);
        linie.TextA = AchsenabschnittZeile(f, g.a);
        linie.Geschaetzt.reserve(x.size());
        for (double xi : x) linie.Geschaetzt.push_back(Schaetzwert(g, xi));
        const auto [links, rechts] = std::minmax_element(x.begin(), x.end());
        const auto i0 = static_cast<std::size_t>(links - x.begin());
        const auto i1 = static_cast<std::size_t>(rechts - x.begin());
        linie.X0 = x[i0];
        linie.Y0 = linie.Geschaetzt[i0];
        linie.X1 = x[i1];
        linie.Y1 = linie.Geschaetzt[i1];
        d.Regression = std::move(linie);
    });
    Versuchen(d.Meldungen, Name(AusgabeBravaisPearson), [&] {
        const double r = stat.BravaisPearsonKorrelationskoeffizient(x, y);
        d.r = Marke{r, BravaisPearsonZeile(f, r)};
    });
    paarweise(Name(AusgabeSpearman), [&] {
        const double rSP =
            stat.SpearmenRangkorrelationskoeffizient(RangzifferBilden(x), RangzifferBilden(y));
        d.rSP = Marke{rSP, SpearmanZeile(f, rSP)};
    });
    paarweise(Name(AusgabeDeterminationskoeffizient), [&] {
        const double R2 = BestimmtheitBerechnen(stat, x, y).R2;
        d.R2 = Marke{R2, DeterminationZeile(f, R2)};
    });
    return d;
}

Haeufigkeitsdiagramm HaeufigkeitenBilden(const std::vector<double>& a1,
                                         const std::vector<double>& a2, const Einstellungen& e) {
    const clsStatistik stat;
    const Zahlformat f(e);
    Haeufigkeitsdiagramm d;
    d.A1 = a1;
    d.A2 = a2;
    const std::size_t k = std::min(a1.size(), a2.size());
    for (std::size_t j = 0; j < k; ++j) {
        d.Spalten.push_back(Spaltenname(static_cast<long long>(j)));
        d.TexteA1.push_back(f.Voll(a1[j]));
        d.TexteA2.push_back(f.Voll(a2[j]));
    }

    Versuchen(d.Meldungen, Name(AusgabeUnabhaengigkeitsquotienten), [&] {
        Tabelle tafel(2, static_cast<int>(k));
        for (std::size_t j = 0; j < k; ++j) {
            tafel(0, static_cast<int>(j)) = a1[j];
            tafel(1, static_cast<int>(j)) = a2[j];
        }
        const Tabelle erwartet = stat.Unabhaengigkeitsquotienten(tafel);
        std::vector<double> e1(k), e2(k);
        std::vector<std::string> t1(k), t2(k);
        for (std::size_t j = 0; j < k; ++j) {
            e1[j] = erwartet(0, static_cast<int>(j));
            e2[j] = erwartet(1, static_cast<int>(j));
            t1[j] = f.Gerundet(e1[j]);
            t2[j] = f.Gerundet(e2[j]);
        }
        d.ErwartetA1 = std::move(e1);
        d.ErwartetA2 = std::move(e2);
        d.ErwartetTexteA1 = std::move(t1);
        d.ErwartetTexteA2 = std::move(t2);
        d.MitErwartet = true;
    });
    Versuchen(d.Meldungen, Name(AusgabeKontingenzkoeffizient), [&] {
        const Kontingenz kont = KontingenzBerechnen(a1, a2);
        Marke chi2{kont.chi2, Chi2Zeile(f, kont.chi2)};
        Marke K{kont.K, KontingenzZeile(f, kont.K)};
        Marke KStern{kont.KStern, KorrigierteKontingenzZeile(f, kont.KStern)};
        d.chi2 = std::move(chi2);
        d.K = std::move(K);
        d.KStern = std::move(KStern);
    });

    d.Titel = "Beobachtete und theoretische Häufigkeiten";
    if (d.chi2) d.Titel += " (" + d.chi2->Text + "; " + d.K->Text + "; " + d.KStern->Text + ")";
    return d;
}

Diagrammdaten DiagrammdatenBilden(const Steuerzustand& zustand, const std::string& dezimal) {
    clsRechenlauf lauf(dezimal);
    Lesung lesung = lauf.Einlesen(zustand);
    Diagrammdaten d;
    d.Einstellungen = lesung.Einstellungen;
    if (!lesung.Daten) {
        d.Abbruch = lesung.Abbruch;
        return d;
    }
    const Datensatz& daten = *lesung.Daten;
    d.Zweidimensional = daten.Zweidimensional;
    for (const Diagrammartzeile& zeile : kDiagrammarten)
        if (zeile.Zweidimensional == daten.Zweidimensional) zeile.Bilden(d, daten);
    return d;
}

}  // namespace zv

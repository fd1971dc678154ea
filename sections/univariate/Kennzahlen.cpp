// The one-dimensional sections that print one or two rounded results under their title:
// "Arithmetisches Mittel", "Spannweite", "Durchschnittliche Abweichung",
// "Mittlere quadratische Abweichung" and "Standardabweichnung".

#include <functional>
#include <initializer_list>
#include <string_view>
#include <utility>

#include "base/Rechnen.h"
#include "sections/Laufkontext.h"

namespace zv {

namespace {

using Ergebnis = std::pair<std::string_view, std::function<double()>>;

// The title, then each result behind its label, rounded; each is computed only when its line
// is due, so a failing one ends the section after the lines before it. Then the empty line.
void Kennzahlabschnitt(Laufkontext& k, std::initializer_list<Ergebnis> ergebnisse) {
    k.Add(k.Titel);
    for (const auto& [beschriftung, wert] : ergebnisse)
        k.Add(std::string(beschriftung) + k.Gerundet(wert()));
    k.Add("");
}

}  // namespace

void AusgabeMittelwert(Laufkontext& k) {
    Kennzahlabschnitt(k, {{"Mittelwert: ", [&] { return k.Stat.Mittelwert(k.M1); }}});
}

// Largest minus smallest value.
void AusgabeSpannweite(Laufkontext& k) {
    Kennzahlabschnitt(k, {{"SP: ", [&] { return k.Stat.Spannweite(k.M1); }}});
}

// Mean absolute deviation about the median, then about the mean.
void AusgabeDurchschnittlicheAbweichung(Laufkontext& k) {
    Kennzahlabschnitt(
        k, {{"sMed: ", [&] { return k.Stat.DurchschnittlicheAbweichungMedian(k.M1); }},
            {"sMitt: ", [&] { return k.Stat.DurchschnittlicheAbweichungMittelwert(k.M1); }}});
}

// The population variance.
void AusgabeVarianz(Laufkontext& k) {
    Kennzahlabschnitt(k, {{"s²x: ", [&] { return k.Stat.MittlereQuadratischeAbweichung(k.M1); }}});
}

// The root of the unrounded population variance.
void AusgabeStandardabweichung(Laufkontext& k) {
    Kennzahlabschnitt(
        k, {{"s: ", [&] { return Wurzel(k.Stat.MittlereQuadratischeAbweichung(k.M1)); }}});
}

}  // namespace zv

#pragma once
// The report sections, one routine per statistic, and the raw list at the head of every
// report. Each appends its lines to the report of the context, beginning with k.Titel.
//
// Each section file defines its routine with the qualified name (void zv::AusgabeModus(...)),
// which must match a declaration here: a definition whose signature differs does not compile.

#include "sections/Laufkontext.h"

namespace zv {

// The raw list at the head of every report.
void AusgabeUrliste(Laufkontext& k);

// One-dimensional.
void AusgabeModus(Laufkontext& k);
void AusgabeMedian(Laufkontext& k);
void AusgabeMittelwert(Laufkontext& k);
void AusgabeSpannweite(Laufkontext& k);
void AusgabeDurchschnittlicheAbweichung(Laufkontext& k);
void AusgabeVarianz(Laufkontext& k);
void AusgabeStandardabweichung(Laufkontext& k);
void AusgabeHaeufigkeitstabelle(Laufkontext& k);
void AusgabeQuartile(Laufkontext& k);
void AusgabeGeometrischesMittel(Laufkontext& k);
void AusgabeHarmonischesMittel(Laufkontext& k);
void AusgabeVariationskoeffizient(Laufkontext& k);
void AusgabeStichprobenvarianz(Laufkontext& k);

// Two-dimensional: the frequency table.
void AusgabeRandhaeufigkeiten(Laufkontext& k);
void AusgabeBedingteHaeufigkeiten(Laufkontext& k);
void AusgabeUnabhaengigkeitsquotienten(Laufkontext& k);
void AusgabeKontingenzkoeffizient(Laufkontext& k);

// Two-dimensional: the pairs.
void AusgabeSchwerpunkt(Laufkontext& k);
void AusgabeBravaisPearson(Laufkontext& k);
void AusgabeSpearman(Laufkontext& k);
void AusgabeLineareRegression(Laufkontext& k);
void AusgabeDeterminationskoeffizient(Laufkontext& k);
void AusgabeKovarianz(Laufkontext& k);

}  // namespace zv

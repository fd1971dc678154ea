#pragma once
// The result lines of the sections, each as the section prints it without calculation steps.
// The sections append them, and the charts label their marks with the same lines.

#include <string>
#include <string_view>
#include <vector>

#include "sections/Laufkontext.h"

namespace zv {

// What Spearman, the regression and the determination print instead of a result for lists
// of unequal length or a single pair.
inline constexpr std::string_view kPaareUnvollstaendig =
    "Anzahl der Ausprägungen nicht identisch, Berechnung nicht möglich.";

// "Modus: " with the modes in full, joined with the output separator, or that there is none;
// modi as clsStatistik::Modus returns them (element 0 a placeholder).
std::string ModusZeile(const Zahlformat& f, const std::vector<double>& modi);
// "Median: " in full.
std::string MedianZeile(const Zahlformat& f, double median);

// The others rounded, behind their label.
std::string MittelwertZeile(const Zahlformat& f, double mittel);             // "Mittelwert: "
std::string SpannweiteZeile(const Zahlformat& f, double sp);                 // "SP: "
std::string StandardabweichungZeile(const Zahlformat& f, double s);          // "s: "
std::string SchwerpunktXZeile(const Zahlformat& f, double xMitt);            // "xMitt = "
std::string SchwerpunktYZeile(const Zahlformat& f, double yMitt);            // "yMitt = "
std::string BravaisPearsonZeile(const Zahlformat& f, double r);              // "r: "
std::string SpearmanZeile(const Zahlformat& f, double rSP);                  // "rSP: "
std::string SteigungZeile(const Zahlformat& f, double b);                    // "^b = "
std::string AchsenabschnittZeile(const Zahlformat& f, double a);             // "^a = "
std::string DeterminationZeile(const Zahlformat& f, double R2);              // "R² = "
std::string Chi2Zeile(const Zahlformat& f, double chi2);                     // "chi² = "
std::string KontingenzZeile(const Zahlformat& f, double K);                  // "K = "
std::string KorrigierteKontingenzZeile(const Zahlformat& f, double KStern);  // "K* = "

}  // namespace zv

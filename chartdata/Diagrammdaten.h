#pragma once
// What the charts show, without drawing: from the control states of "&Berechnen", read exactly
// as the run reads them, the data of each chart with every mark's value and its label. Each
// value comes from the engine's routines, and each label is the line the report prints for
// that statistic (the form without calculation steps), built by the same routine
// (sections/Ergebniszeilen.h). A statistic that fails has no mark; instead the chart carries
// one line naming it (its list entry) with the report's error text.

#include <optional>
#include <string>
#include <vector>

#include "run/Rechenlauf.h"

namespace zv {

// A value on the chart with its label.
struct Marke {
    double Wert = 0;
    std::string Text;
};

// A stretch of the value axis with its label: the range, the band of one standard deviation.
struct Strecke {
    double Von = 0;
    double Bis = 0;
    std::string Text;
};

// A bar of the distribution: a distinct value (Von == Bis) or a class from Von to Bis (right
// end open, except for the last class).
struct Saeule {
    double Von = 0;
    double Bis = 0;
    long long Anzahl = 0;
};

// One-dimensional data: how often each value (or class of values) occurs, with the location
// and dispersion statistics.
struct Verteilungsdiagramm {
    std::string Titel;
    std::size_t n = 0;
    // More than kHoechstensEinzelwerte distinct values, or values too far apart for bars of a
    // readable width (kSchmalsteSaeule).
    bool Klassiert = false;
    std::vector<Saeule> Saeulen;  // ascending
    // With classes: their limits as the report rounds them, one more than classes.
    std::vector<std::string> Grenzen;
    std::vector<Marke> Modi;  // each mode, labelled with its value; empty without one
    std::string ModusZeile;   // the report's line: the modes, or that there is none
    std::optional<Marke> Median;
    std::optional<Marke> Mittelwert;
    std::optional<Strecke> Spannweite;  // from the minimum to the maximum
    std::optional<Strecke> Streuung;    // from the mean - s to the mean + s
    std::vector<std::string> Meldungen;
};

// Distinct values drawn one bar each up to this many; more are put into classes.
inline constexpr std::size_t kHoechstensEinzelwerte = 30;

// A bar of a distinct value is 0.8 of the smallest gap between two values wide. Where that is
// less than this share of the span from the minimum to the maximum, a few pixels on the
// smallest chart, the bars would be hairlines: the values are put into classes instead.
inline constexpr double kSchmalsteSaeule = 0.01;

// Residuals are shown from the start up to this many pairs.
inline constexpr std::size_t kResiduenBis = 200;

struct Regressionslinie {
    // The line across the data: at the smallest x and at the largest x.
    double X0 = 0, Y0 = 0, X1 = 0, Y1 = 0;
    std::vector<double> Geschaetzt;  // ^yi for every pair, in input order
    std::string TextB;               // "^b = ..."
    std::string TextA;               // "^a = ..."
};

// A point on which several pairs fall.
struct Mehrfachpunkt {
    double X = 0, Y = 0;
    long long Anzahl = 0;  // at least 2
};

// Two-dimensional data read as pairs (x, y).
struct Streudiagramm {
    std::string Titel;
    std::vector<double> X, Y;             // in input order
    std::vector<Mehrfachpunkt> Mehrfach;  // ascending by x, then y
    std::optional<Marke> SchwerpunktX, SchwerpunktY;
    std::optional<Regressionslinie> Regression;
    bool ResiduenAn = false;   // shown from the start
    std::optional<Marke> r;    // Bravais-Pearson
    std::optional<Marke> rSP;  // Spearman
    std::optional<Marke> R2;   // coefficient of determination
    std::vector<std::string> Meldungen;
};

// Two-dimensional data read as a 2 x k table of frequencies: observed beside expected.
struct Haeufigkeitsdiagramm {
    std::string Titel;
    std::vector<std::string> Spalten;  // b1, b2, ...
    std::vector<double> A1, A2;        // observed, as typed
    std::vector<std::string> TexteA1, TexteA2;
    bool MitErwartet = false;  // the expected frequencies could be computed
    std::vector<double> ErwartetA1, ErwartetA2;
    std::vector<std::string> ErwartetTexteA1, ErwartetTexteA2;
    std::optional<Marke> chi2, K, KStern;
    std::vector<std::string> Meldungen;
};

// The box of a boxplot: every number as the quartile section gives it.
struct Kasten {
    Marke Q1, Median, Q3;                 // "Q1: ", "Q2 (Median): ", "Q3: ", in full
    Marke UntererWhisker, ObererWhisker;  // the last values inside the fences, in full
    std::vector<Marke> Ausreisser;        // each value outside the fences, in full, ascending
    std::optional<std::string> IQR;       // "IQR: ", rounded
    std::optional<Strecke> Zaeune;        // from the lower to the upper fence, rounded
};

// One-dimensional data as a boxplot, with the quartiles by the run's definition.
struct Boxplotdiagramm {
    std::string Titel;
    std::string Definition;  // the line naming how Q1 and Q3 were read
    std::optional<Kasten> Box;
    std::vector<std::string> Meldungen;
};

// One-dimensional data as the empirical distribution function F: a step up by fj at each
// distinct value xj to Fj, from 0 below the smallest value to 1 from the largest on; Q1, the
// median and Q3 read off where F reaches 0,25, 0,5 and 0,75.
struct Summenkurve {
    std::string Titel;
    std::vector<double> Werte;  // xj, ascending
    std::vector<double> F;      // Fj
    // Read off the curve: the quartiles by the standard definition, which is the one the
    // curve gives; labelled as the quartile section labels them.
    std::optional<Marke> Q1, Median, Q3;
    // "Abgelesen bei F = 0,25, 0,5 und 0,75 (Standarddefinition der Quartile)"
    std::string Abgelesen;
    // Where the run reads the quartiles by halves and gets other values: its line of them.
    std::string Abweichung;
    std::vector<std::string> Meldungen;
};

// Where F reaches 0,25, 0,5 and 0,75.
inline constexpr double kQuartilsanteile[] = {0.25, 0.5, 0.75};

struct Diagrammdaten {
    zv::Einstellungen Einstellungen;  // decimal places and separators as the run read them
    // The line that ends the run before any section (the lists cannot be read): then there is
    // no chart.
    std::string Abbruch;
    // The mode of the data read; without data one-dimensional, whose chart then carries the
    // line of Abbruch.
    bool Zweidimensional = false;
    // The data of each chart kind of the mode (chartdata/Diagrammarten.h).
    std::optional<Verteilungsdiagramm> Verteilung;      // one-dimensional mode
    std::optional<Boxplotdiagramm> Boxplot;             // one-dimensional mode
    std::optional<Summenkurve> Verteilungsfunktion;     // one-dimensional mode
    std::optional<Streudiagramm> Streuung;              // two-dimensional mode
    std::optional<Haeufigkeitsdiagramm> Haeufigkeiten;  // two-dimensional mode
};

// The charts of the control states; dezimal is the locale's decimal separator, as the run
// takes it.
Diagrammdaten DiagrammdatenBilden(const Steuerzustand& zustand, const std::string& dezimal);

// The parts of DiagrammdatenBilden on a data set that has been read.
Verteilungsdiagramm VerteilungBilden(const std::vector<double>& werte, const Einstellungen& e);
Boxplotdiagramm BoxplotBilden(const std::vector<double>& werte, const Einstellungen& e);
Summenkurve SummenkurveBilden(const std::vector<double>& werte, const Einstellungen& e);
Streudiagramm StreudiagrammBilden(const std::vector<double>& x, const std::vector<double>& y,
                                  const Einstellungen& e);
Haeufigkeitsdiagramm HaeufigkeitenBilden(const std::vector<double>& a1,
                                         const std::vector<double>& a2, const Einstellungen& e);

// Equal-width classes from the minimum to the maximum of sorted values: ceil(log2 n) + 1 of
// them, each from its lower bound up to, not including, the next; the last one closed. The
// bounds lie between the minimum and the maximum and never overflow.
std::vector<Saeule> Klassenbilden(const std::vector<double>& sortiert);

}  // namespace zv

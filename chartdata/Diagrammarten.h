#pragma once
// The chart kinds, one row each: what the report tool's --chart-kind calls it, the title of its
// tab in the chart window, what it shows, the data mode it belongs to and how its data are built.
// The window's tabs, the tool's --chart-kind with its help text, man page paragraph and README
// line, the building of the chart data and the drawing (charts/Diagrammzeichnung.cpp, one draw
// routine per row) all follow this table.
//
// A new chart kind: its data and builder in Diagrammdaten.h/.cpp, a value of Diagrammart and a
// row here, and its draw routine with a row in charts/Diagrammzeichnung.cpp.

#include <array>
#include <string_view>
#include <vector>

#include "chartdata/Diagrammdaten.h"

namespace zv {

// In the order of the rows of kDiagrammarten.
enum class Diagrammart { Verteilung, Streudiagramm, Haeufigkeiten, Boxplot, Summenkurve };

struct Diagrammartzeile {
    Diagrammart Art;
    // The value of --chart-kind; empty where the kind cannot be chosen by name (it is the only
    // one of its mode).
    std::string_view Name;
    std::string_view Reiter;  // the title of its tab, UTF-8
    // What it shows, German, UTF-8, as the man page puts it in brackets after the name:
    // "die Punkte mit Schwerpunkt und Regressionsgerade".
    std::string_view Beschreibung;
    bool Zweidimensional;  // the data mode whose data it shows
    // Puts the chart's data into d from the data set read (d.Einstellungen already set).
    void (*Bilden)(Diagrammdaten& d, const Datensatz& daten);
};

// In the order of the tabs; the first row of a mode is its chart when none is named.
inline constexpr std::array<Diagrammartzeile, 5> kDiagrammarten{{
    {Diagrammart::Verteilung, "verteilung", "Verteilung",
     "die Verteilung der Werte mit Modus, Median, Mittelwert, Spannweite und der "
     "Standardabweichung um den Mittelwert",
     false,
     [](Diagrammdaten& d, const Datensatz& daten) {
         d.Verteilung = VerteilungBilden(daten.M1, d.Einstellungen);
     }},
    {Diagrammart::Streudiagramm, "streudiagramm", "Streudiagramm",
     "die Punkte mit Schwerpunkt und Regressionsgerade", true,
     [](Diagrammdaten& d, const Datensatz& daten) {
         d.Streuung = StreudiagrammBilden(daten.M1, daten.M2, d.Einstellungen);
     }},
    {Diagrammart::Haeufigkeiten, "haeufigkeiten", "Häufigkeiten",
     "beobachtete und erwartete Häufigkeiten als Säulen", true,
     [](Diagrammdaten& d, const Datensatz& daten) {
         d.Haeufigkeiten = HaeufigkeitenBilden(daten.M1, daten.M2, d.Einstellungen);
     }},
    {Diagrammart::Boxplot, "boxplot", "Boxplot",
     "Q1, Median und Q3 als Kasten, die Whisker bis zum letzten Wert innerhalb der Zäune und "
     "jeden Ausreißer",
     false,
     [](Diagrammdaten& d, const Datensatz& daten) {
         d.Boxplot = BoxplotBilden(daten.M1, d.Einstellungen);
     }},
    {Diagrammart::Summenkurve, "summenkurve", "Summenkurve",
     "die empirische Verteilungsfunktion als Treppe mit Q1, Median und Q3 abgelesen bei 0,25, "
     "0,5 und 0,75",
     false,
     [](Diagrammdaten& d, const Datensatz& daten) {
         d.Verteilungsfunktion = SummenkurveBilden(daten.M1, d.Einstellungen);
     }},
}};

// The rows are found by their kind as an index; a name picks one kind only; each kind says what
// it shows (a kind without a name gets one when its mode gets a second kind); each mode has a
// chart, and where it has more than one, each can be named.
constexpr bool DiagrammartenStimmig() {
    std::size_t zeilen[2] = {0, 0}, ohneNamen[2] = {0, 0};
    for (std::size_t i = 0; i < kDiagrammarten.size(); ++i) {
        const Diagrammartzeile& zeile = kDiagrammarten[i];
        if (zeile.Art != static_cast<Diagrammart>(i)) return false;
        if (zeile.Bilden == nullptr || zeile.Reiter.empty() || zeile.Beschreibung.empty())
            return false;
        for (std::size_t j = 0; j < i; ++j)
            if (!zeile.Name.empty() && zeile.Name == kDiagrammarten[j].Name) return false;
        ++zeilen[zeile.Zweidimensional];
        if (zeile.Name.empty()) ++ohneNamen[zeile.Zweidimensional];
    }
    for (std::size_t modus = 0; modus < 2; ++modus)
        if (zeilen[modus] == 0 || (zeilen[modus] > 1 && ohneNamen[modus] > 0)) return false;
    return true;
}
static_assert(DiagrammartenStimmig(),
              "kDiagrammarten: each kind once, in order and described, names unique, "
              "a chart for each mode, named where a mode has several");

constexpr const Diagrammartzeile& Artzeile(Diagrammart art) {
    return kDiagrammarten[static_cast<std::size_t>(art)];
}

// The row named so by --chart-kind, or none.
constexpr const Diagrammartzeile* ArtZumNamen(std::string_view name) {
    for (const Diagrammartzeile& zeile : kDiagrammarten)
        if (!zeile.Name.empty() && zeile.Name == name) return &zeile;
    return nullptr;
}

// The kinds of a data mode, in the order of the tabs.
inline std::vector<Diagrammart> ArtenDesModus(bool zweidimensional) {
    std::vector<Diagrammart> arten;
    for (const Diagrammartzeile& zeile : kDiagrammarten)
        if (zeile.Zweidimensional == zweidimensional) arten.push_back(zeile.Art);
    return arten;
}

}  // namespace zv

#pragma once
// Printing the report: set for the page (font size and orientation chosen so that its lines
// keep whole), cut into pages of whole lines, and drawn page by page under a header line.
// Nothing here asks or shows anything; the window puts its dialogs around it (ui/Druckablauf.h).

#include <QFont>
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

class QPagedPaintDevice;

// The smallest size the report is printed in, in points; a line wider than the page even
// then is carried on over several printed lines.
inline constexpr double KleinsteDruckschrift = 6.0;
// Tabs in the report are printed as blanks up to the next multiple of this many columns.
inline constexpr int Tabulatorweite = 8;
// The mark in the left margin of a printed line that carries on the line above it.
inline constexpr char16_t Fortsetzungszeichen = u'\u00bb';

// One printed line: a piece of a report line (the whole line unless it is carried on).
struct Druckzeile {
    int Zeile = 0;             // the report line, from 0
    int Anfang = 0;            // its first UTF-16 unit in that line
    int Laenge = 0;            // its length in UTF-16 units
    bool Fortsetzung = false;  // carries on the piece before it
};

// The report set for one device.
struct Drucksatz {
    QStringList Zeilen;                   // the report's lines, tabs expanded
    std::vector<Druckzeile> Druckzeilen;  // in order; page p holds ZeilenProSeite of them
    QFont Schrift;                        // the chosen size
    bool Quer = false;                    // printed in landscape
    int ZeilenProSeite = 0;
    int UmbrocheneZeilen = 0;  // report lines carried over more than one printed line
    double Textbreite = 0;     // the widest report line in the chosen font, device pixels
    double Seitenbreite = 0;   // the width the text may take, device pixels
    double Zeilenabstand = 0;  // device pixels from one printed line to the next
    double Kopfhoehe = 0;      // device pixels above the first line: header and gap
    double Einzug = 0;         // the margin left for the continuation mark, device pixels
    QString Fehler;            // not empty: nothing can be printed, and why

    int Seiten() const;
    // The page, from 1, on which the report line (from 0) begins; 0 for a line it lacks.
    int SeiteDerZeile(int zeile) const;
};

// The report's lines: CR LF, LF, CR and the Unicode line and paragraph separators each end
// one; the end of the last line adds no empty line. Tabs are expanded to blanks.
QStringList Berichtszeilen(const QString& bericht);

// Sets the report for the device. The size is the largest, up to the font's own and not below
// KleinsteDruckschrift, at which the widest line fits the page width; with ausrichtungWaehlen
// landscape is taken where it allows a larger size than portrait, and set on the device.
// Otherwise the device's orientation is kept.
Drucksatz DrucksatzBilden(const QString& bericht, const QFont& schrift, QPagedPaintDevice& geraet,
                          bool ausrichtungWaehlen);

enum class Druckausgang { Fertig, Abgebrochen, Fehlgeschlagen };

// Prints the set report page by page, every page headed by "Zorvanta – Bericht", the date and
// "Seite x von y". fortschritt(fertig, seiten) is called before each page and after the last;
// when it answers false, printing stops. A failed print into a PDF file of a QPrinter leaves no
// file behind; with verwerfen, neither does a cancelled one, and a printer's job is aborted.
// Without it the pages made so far stay, as a preview needs them: its engine frees them on abort.
Druckausgang SeitenDrucken(const Drucksatz& satz, const QString& datum, QPagedPaintDevice& geraet,
                           const std::function<bool(int fertig, int seiten)>& fortschritt,
                           bool verwerfen = true);

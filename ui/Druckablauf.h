#pragma once
// Printing and its preview as the window does them: the report set for the printer, a question
// before a long printout or one with lines carried on, a progress dialog with "Abbrechen" and a
// wait cursor while the pages are made, and a message when printing was cancelled or failed.

#include <QString>
#include <functional>

#include "ui/Dateiausgabe.h"
#include "ui/Dialoge.h"

class QFont;
class QPrinter;
class QWidget;

namespace zv {
struct Blattwunsch;
}

// Above this many pages the user is asked before printing.
inline constexpr int Seitengrenze = 50;

// What the window lends to printing.
struct Druckumgebung {
    QWidget* Eltern = nullptr;
    zv::IDialoge* Dialoge = nullptr;
    // Asks a yes-or-no question; true for Yes.
    std::function<bool(const QString& frage, const QString& titel)> Frage;
    QString Datum;  // the date in the header line
};

// The question to ask before printing (vorschau: before showing) the set report; empty when
// the printout is short and every line keeps whole.
QString Druckfrage(const Drucksatz& satz, bool vorschau);

// Prints the report on a set-up printer. Returns how it ended; a refusal by the user counts
// as cancelled. Every ending but a finished print is told in a message.
Druckausgang BerichtDrucken(const QString& bericht, const QFont& schrift, QPrinter& drucker,
                            const Druckumgebung& umgebung);

// Shows the print preview of the report; a print started from it goes through the same pages.
void VorschauZeigen(const QString& bericht, const QFont& schrift, const Druckumgebung& umgebung);

// Lays out the worksheets and their answer key and prints them on a set-up printer, under the
// wait cursor. A failure is told in a message; true when every page was printed.
bool BlaetterDrucken(const zv::Blattwunsch& wunsch, QPrinter& drucker,
                     const Druckumgebung& umgebung);

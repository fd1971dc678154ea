#pragma once
// Worksheets for a class: every pupil gets a page with a data set of their own from the random
// generator, the tasks of the selected entries and an empty line for each answer; after the
// pupils' pages comes the answer key with every page's data and worked solutions. The layout is
// a list of pages of text lines of a fixed width; drawing them is left to the caller.

#include <cstdint>
#include <string>
#include <vector>

#include "run/Rechenlauf.h"
#include "run/Zufallsdaten.h"

namespace zv {

// The most pages one call makes, and the bounds of the values per input box.
inline constexpr int kMeisteBlaetter = 500;
inline constexpr int kWenigsteWerte = 1;
inline constexpr int kMeisteWerte = 99;
// The characters of one line and the lines of one page the layout fills at most.
inline constexpr std::size_t kBlattbreite = 80;
inline constexpr std::size_t kZeilenProBlatt = 60;

struct Blattwunsch {
    int Blaetter = 1;             // the pupils' pages, 1..kMeisteBlaetter
    std::uint32_t Startwert = 0;  // together with a page's number it fixes that page's data
    int Werte = 10;               // values per input box, kWenigsteWerte..kMeisteWerte
    // Mode, separator, decimal places, selected entries, quartile method and tables as a run
    // reads them; the input boxes are filled per page.
    Steuerzustand Vorlage;
    std::string Dezimal = ",";  // the decimal separator of the chosen locale
};

// One printed page: the header's left part and its page number, and the lines below it.
struct Blattseite {
    std::string Kopf;
    std::string Seitenangabe;  // "Seite p von P"
    std::vector<std::string> Zeilen;
};

// The clock of page blatt: a value made of the start value and the page number alone, far
// enough apart that the generator's re-seedings (clock plus and minus the value's index) of
// two pages or two start values never meet.
class Blattuhr : public IUhr {
  public:
    Blattuhr(std::uint32_t startwert, int blatt) : startwert_(startwert), blatt_(blatt) {}
    double Jetzt() override;

  private:
    std::uint32_t startwert_;
    int blatt_;
};

// The input boxes of page blatt (from 1): the generator's data with the page's clock and the
// real random source, joined with the chosen separator.
Zufallsdaten BlattdatenErzeugen(const Blattwunsch& wunsch, int blatt);

// Settings the run refuses whatever the data (such as a negative number of places) would put
// its one line on every page instead of tasks: that line, tried on the first page's data, or
// the empty text when the settings give tasks.
std::string BlattwunschPruefen(const Blattwunsch& wunsch);

// All pages: the pupils' pages in order (a page whose tasks do not fit carries on over a
// second), then the answer key, each sheet's solution beginning on a page of its own. No line
// is wider than kBlattbreite characters (longer report lines are carried on with a mark) and
// no page has more than kZeilenProBlatt lines.
std::vector<Blattseite> ArbeitsblaetterSetzen(const Blattwunsch& wunsch);

}  // namespace zv

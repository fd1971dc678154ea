#pragma once
// Pages of text lines as an A4 PDF, for worksheets: a fixed-pitch font, a left margin wide
// enough for punching, each page under a header line with its page number.

#include <string>
#include <vector>

class QPagedPaintDevice;

namespace zv {

struct Druckblatt {
    std::string Kopf;          // the header's left part
    std::string Seitenangabe;  // the header's right part
    std::vector<std::string> Zeilen;
};

// The page's text area holds this many characters per line and lines per page.
inline constexpr int kDruckspalten = 80;
inline constexpr int kDruckzeilen = 60;

// Draws the pages onto a device set up for them (a printer after its dialog, or a PDF writer),
// the text area placed by the paper's size so that a printer's own margins change nothing.
// False when the device could not be drawn on or refused a page.
bool BlaetterZeichnen(const std::vector<Druckblatt>& blaetter, QPagedPaintDevice& geraet);

// Writes the pages to the PDF file at pfad, replaced only once the new one is complete. The
// same pages give the same bytes: the date and document id the PDF writer stamps are set to
// fixed values. Starts the toolkit where none runs yet, as the charts do. Returns the empty
// text, or one German line saying why no file was written.
std::string BlattdateiSchreiben(const std::vector<Druckblatt>& blaetter, const std::string& pfad);

}  // namespace zv

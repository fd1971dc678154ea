#pragma once
// A chart as a file: a PNG image, or a PDF page in vector form. The file at the path is
// replaced only once the new one has been written completely.

#include <QString>
#include <optional>

class QCustomPlot;

namespace zv {

enum class Bildformat { Png, Pdf };

// The format a file name asks for by its extension (".png" or ".pdf", any case), or none.
std::optional<Bildformat> BildformatZuPfad(const QString& pfad);

// Writes the plot breite x hoehe pixels large; the PDF page has that size at 96 pixels to the
// inch. Returns the empty text, or one German line saying what could not be written.
QString BildSchreiben(QCustomPlot& plot, const QString& pfad, Bildformat format, int breite,
                      int hoehe);

}  // namespace zv

#pragma once
// Writing a file the program produces (the saved report, a chart picture) and printing the
// report.

#include <QByteArray>
#include <QString>
#include <memory>
#include <optional>

class QFont;
class QPagedPaintDevice;
class QTextDocument;

// Writes the bytes to the file as a whole or not at all: they go to a temporary file beside
// it, which replaces the file only once everything was written, so a failure never leaves
// half a file nor destroys the old one. Gives the reason of a failure as a German sentence.
std::optional<QString> AtomarSchreiben(const QString& pfad, const QByteArray& inhalt);

// The report laid out for paper: in the given fixed-pitch font, long lines wrapped.
std::unique_ptr<QTextDocument> Druckdokument(const QString& bericht, const QFont& schrift);

// Prints the report on the device (a printer or a PDF file), with page numbers.
void BerichtDrucken(const QString& bericht, const QFont& schrift, QPagedPaintDevice& geraet);

#pragma once
// Printing the report.

#include <QString>
#include <memory>

class QFont;
class QPagedPaintDevice;
class QTextDocument;

// The report laid out for paper: in the given fixed-pitch font, long lines wrapped.
std::unique_ptr<QTextDocument> Druckdokument(const QString& bericht, const QFont& schrift);

// Prints the report on the device (a printer or a PDF file), with page numbers.
void BerichtDrucken(const QString& bericht, const QFont& schrift, QPagedPaintDevice& geraet);

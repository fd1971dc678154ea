#include "ui/Dateiausgabe.h"

#include <QFont>
#include <QTextDocument>
#include <QTextOption>

std::unique_ptr<QTextDocument> Druckdokument(const QString& bericht, const QFont& schrift) {
    auto dokument = std::make_unique<QTextDocument>();
    dokument->setDefaultFont(schrift);
    QTextOption umbruch = dokument->defaultTextOption();
    umbruch.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    dokument->setDefaultTextOption(umbruch);
    QString text = bericht;
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    if (text.endsWith(QLatin1Char('\n'))) text.chop(1);  // the last line end adds no line
    dokument->setPlainText(text);
    return dokument;
}

void BerichtDrucken(const QString& bericht, const QFont& schrift, QPagedPaintDevice& geraet) {
    // An unpaginated document is laid out on the device's pages with a page number at the
    // foot of each.
    Druckdokument(bericht, schrift)->print(&geraet);
}

#include "charts/Bilddatei.h"

#include <qcustomplot.h>

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPixmap>
#include <QSaveFile>

#include "charts/Png.h"

namespace zv {

namespace {

// The PDF is laid out as the screen shows it: 96 pixels to the inch, 72 points.
constexpr int kPixelProZoll = 96;
constexpr double kPunktProPixel = 72.0 / kPixelProZoll;

QString Grund(const QSaveFile& datei) {
    switch (datei.error()) {
        case QFileDevice::OpenError:
        case QFileDevice::PermissionsError:
            return QStringLiteral("die Datei lässt sich dort nicht anlegen");
        case QFileDevice::RenameError:
        case QFileDevice::CopyError:
            return QStringLiteral("die vorhandene Datei lässt sich nicht ersetzen");
        default:
            return QStringLiteral("das Schreiben ist fehlgeschlagen");
    }
}

bool PdfZeichnen(QCustomPlot& plot, QSaveFile& datei, int breite, int hoehe) {
    QPdfWriter schreiber(&datei);
    schreiber.setResolution(kPixelProZoll);
    schreiber.setCreator(QStringLiteral("Zorvanta"));
    const QPageSize seite(QSizeF(breite * kPunktProPixel, hoehe * kPunktProPixel), QPageSize::Point,
                          QString(), QPageSize::ExactMatch);
    if (!schreiber.setPageLayout(QPageLayout(seite, QPageLayout::Portrait, QMarginsF())))
        return false;
    QCPPainter maler;
    if (!maler.begin(&schreiber)) return false;
    maler.setMode(QCPPainter::pmVectorized);
    maler.setMode(QCPPainter::pmNoCaching);
    plot.toPainter(&maler, breite, hoehe);
    return maler.end();
}

}  // namespace

std::optional<Bildformat> BildformatZuPfad(const QString& pfad) {
    const QString endung = QFileInfo(pfad).suffix().toLower();
    if (endung == QLatin1String("png")) return Bildformat::Png;
    if (endung == QLatin1String("pdf")) return Bildformat::Pdf;
    return std::nullopt;
}

QString BildSchreiben(QCustomPlot& plot, const QString& pfad, Bildformat format, int breite,
                      int hoehe) {
    const QString vorne = QStringLiteral("Diagramm nicht schreibbar: %1: ").arg(pfad);
    QSaveFile datei(pfad);
    if (!datei.open(QIODevice::WriteOnly)) return vorne + Grund(datei);
    bool gezeichnet = false;
    if (format == Bildformat::Png) {
        const QImage bild = plot.toPixmap(breite, hoehe).toImage();
        gezeichnet = !bild.isNull() && PngSchreiben(bild, datei);
    } else {
        gezeichnet = PdfZeichnen(plot, datei, breite, hoehe);
    }
    if (!gezeichnet) {
        const QString grund = datei.error() != QFileDevice::NoError
                                  ? Grund(datei)
                                  : QStringLiteral("das Bild ließ sich nicht erzeugen");
        datei.cancelWriting();
        return vorne + grund;
    }
    if (!datei.commit()) return vorne + Grund(datei);
    return {};
}

}  // namespace zv

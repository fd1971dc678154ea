#include "charts/Bilddatei.h"

#include <qcustomplot.h>

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPdfWriter>
#include <QPixmap>

#include "charts/Png.h"
#include "files/Dateischreiben.h"

namespace zv {

namespace {

// The PDF is laid out as the screen shows it: 96 pixels to the inch, 72 points.
constexpr int kPixelProZoll = 96;
constexpr double kPunktProPixel = 72.0 / kPixelProZoll;

bool PdfZeichnen(QCustomPlot& plot, QIODevice& datei, int breite, int hoehe) {
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
    // Drawn in memory first, then written as a whole.
    QByteArray inhalt;
    QBuffer puffer(&inhalt);
    puffer.open(QIODevice::WriteOnly);
    bool gezeichnet = false;
    if (format == Bildformat::Png) {
        const QImage bild = plot.toPixmap(breite, hoehe).toImage();
        gezeichnet = !bild.isNull() && PngSchreiben(bild, puffer);
    } else {
        gezeichnet = PdfZeichnen(plot, puffer, breite, hoehe);
    }
    puffer.close();
    if (!gezeichnet) return vorne + QStringLiteral("Das Bild ließ sich nicht erzeugen.");
    if (const auto grund = AtomarSchreiben(pfad, inhalt)) return vorne + *grund;
    return {};
}

}  // namespace zv

#include "charts/Werkzeugdiagramm.h"

#include <QApplication>

#include "charts/Bilddatei.h"

namespace zv {

namespace {

QtMessageHandler vorigeBehandlung = nullptr;

// The toolkit's notes (no runtime directory, fonts, ...) stay off the tool's error stream,
// which carries its own lines only; critical messages still get through.
void NurErnstes(QtMsgType art, const QMessageLogContext& ort, const QString& text) {
    if (art == QtCriticalMsg || art == QtFatalMsg) vorigeBehandlung(art, ort, text);
}

std::string Schreiben(const Diagrammdaten& daten, Diagrammart art, int breite, int hoehe,
                      const std::string& pfad) {
    const QString name = QString::fromStdString(pfad);
    const std::optional<Bildformat> format = BildformatZuPfad(name);
    if (!format) return "Diagramm nicht schreibbar: " + pfad + ": nur .png oder .pdf";
    QCustomPlot plot;
    plot.resize(breite, hoehe);
    Zeichnen(plot, daten, art, daten.Streuung && daten.Streuung->ResiduenAn);
    return BildSchreiben(plot, name, *format, breite, hoehe).toStdString();
}

}  // namespace

std::string MitWerkzeugAnwendung(const std::function<std::string()>& arbeit) {
    if (QApplication::instance() != nullptr) return arbeit();

    // A file needs no display: the offscreen platform draws the same everywhere, also where a
    // display is named but cannot be reached.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    vorigeBehandlung = qInstallMessageHandler(NurErnstes);
    static char programm[] = "zorvanta-report";
    static char* argumente[] = {programm, nullptr};
    int anzahl = 1;
    std::string ergebnis;
    {
        QApplication anwendung(anzahl, argumente);
        ergebnis = arbeit();
    }
    qInstallMessageHandler(vorigeBehandlung);
    return ergebnis;
}

std::string DiagrammdateiSchreiben(const Diagrammdaten& daten, Diagrammart art, int breite,
                                   int hoehe, const std::string& pfad) {
    return MitWerkzeugAnwendung([&] { return Schreiben(daten, art, breite, hoehe, pfad); });
}

}  // namespace zv

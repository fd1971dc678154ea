#pragma once
// The chart window: the charts of the main window's data, beside it and not modal. It computes
// nothing itself; Zeigen takes the chart data and draws them, one tab for each chart kind of
// the data's mode (chartdata/Diagrammarten.h): one-dimensional data three tabs, "Verteilung",
// "Boxplot" and "Summenkurve", two-dimensional data two, "Streudiagramm" and "Häufigkeiten".
// The mouse wheel zooms, dragging pans, a double click returns to the whole chart.

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "charts/Diagrammzeichnung.h"

class QCheckBox;
class QPushButton;
class QTabWidget;
class QCustomPlot;

class frmDiagramm : public QWidget {
    Q_OBJECT

  public:
    explicit frmDiagramm(QWidget* parent = nullptr);
    ~frmDiagramm() override;

    // Draws the charts of the data, replacing what the window showed; the tab stays chosen
    // where the mode is the same.
    void Zeigen(zv::Diagrammdaten daten);

    // Shows the tabs of the given data mode with no chart ("Kein Diagramm"), nothing to save or
    // copy, until Zeigen brings the mode's charts.
    void Leeren(bool zweidimensional);

    // The plot of the chosen tab.
    QCustomPlot* AktuellesDiagramm() const;

    // Asks for the file to save to: the name, and the chosen type's filter text; an empty
    // name cancels. Shows a failure with its title. Tests plug in their own.
    std::function<QString(QString& filter)> Dateiwahl;
    std::function<void(const QString& titel, const QString& text)> Fehlermeldung;

  private:
    struct Seite {
        zv::Diagrammart Art;
        QWidget* Huelle = nullptr;
        QCustomPlot* Plot = nullptr;
        zv::Ansicht Ansicht;
    };

    void SeitenAnlegen(const std::vector<zv::Diagrammart>& arten);
    void SeiteZeichnen(Seite& seite);
    void BildSpeichern();
    void Kopieren();
    // Runs what a button or a page change does. What the program did not foresee (no memory
    // left for a large chart, an error of a library) ends only that action, with a message.
    void Abgesichert(const QString& aktion, const std::function<void()>& arbeit);

    zv::Diagrammdaten daten_;
    std::vector<Seite> seiten_;
    QTabWidget* tabs_ = nullptr;
    QCheckBox* chkResiduen_ = nullptr;
    QPushButton* cmdSpeichern_ = nullptr;
    QPushButton* cmdKopieren_ = nullptr;
    QPushButton* cmdSchliessen_ = nullptr;
};

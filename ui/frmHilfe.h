#pragma once
// The help on the statistics: a window beside the main window, not modal, that explains one
// statistic for a learner: what it measures, how to read its value and its formula as this
// program computes it. The texts are the help each row of the statistics table brings along
// (run/Statistiken.h); the main window tells which statistic to show as the list's current
// entry changes. The help is no part of the report.

#include <QString>
#include <QWidget>

class QPushButton;
class QTextBrowser;

namespace zv {
struct Statistik;
}

class frmHilfe : public QWidget {
    Q_OBJECT

  public:
    explicit frmHilfe(QWidget* parent = nullptr);

    // Shows the help on the statistic; nullptr shows how to choose one in the list.
    void Zeigen(const zv::Statistik* statistik);
    // The statistic shown, or nullptr.
    const zv::Statistik* Gezeigt() const { return gezeigt_; }

    // The page the window shows for the statistic, or for none.
    static QString Seite(const zv::Statistik* statistik);

  private:
    QTextBrowser* txtHilfe_ = nullptr;
    QPushButton* cmdSchliessen_ = nullptr;
    const zv::Statistik* gezeigt_ = nullptr;
};

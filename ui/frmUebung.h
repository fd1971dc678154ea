#pragma once
// The practice window: beside the main window, not modal. It asks the learner for the results
// of the entries selected in the main window's list, for the data in its boxes, marks the typed
// answers, names the likely mistake of a wrong one and shows that entry's worked solution. It
// computes nothing itself: the task, the truth and the marks come from the practice layer
// (uebung/), the task's data from the main window through the hooks it is given.

#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "uebung/Aufgabe.h"
#include "uebung/Bewertung.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;

class frmUebung : public QWidget {
    Q_OBJECT

  public:
    struct Anbindung {
        // The task of the main window's boxes, list and settings as they stand now.
        std::function<zv::Aufgabe()> AufgabeHolen;
        // Fills the main window's boxes with fresh random data.
        std::function<void()> NeueDaten;
    };

    explicit frmUebung(Anbindung anbindung, QWidget* parent = nullptr);

    // Builds the task anew from the main window. Answers typed to a result that is still asked
    // for stay; marks, score and solution go, as they belonged to the former task.
    void Aufbauen();
    const zv::Aufgabe& Aufgabe() const { return aufgabe_; }

  private:
    // The controls of one result the learner gives.
    struct Reihe {
        QLineEdit* Antwort = nullptr;
        QLabel* Note = nullptr;
        QLabel* Satz = nullptr;
        QPushButton* Weg = nullptr;
    };

    void NeueAufgabe();
    // Builds the task anew from the current state (keeping the answers) and marks every answer.
    void Pruefen();
    void LoesungswegZeigen(std::size_t zeile);
    // Puts up the rows of aufgabe_, with the given answers by row.
    void ZeilenBauen(const std::vector<QString>& antworten);
    void MarkenLeeren();

    Anbindung anbindung_;
    zv::Aufgabe aufgabe_;
    std::vector<Reihe> reihen_;
    QLabel* lblAufgabe_ = nullptr;
    QScrollArea* fraZeilen_ = nullptr;
    QLabel* lblErgebnis_ = nullptr;
    QPlainTextEdit* txtLoesungsweg_ = nullptr;
    QPushButton* cmdNeueAufgabe_ = nullptr;
    QPushButton* cmdPruefen_ = nullptr;
    QPushButton* cmdSchliessen_ = nullptr;
};

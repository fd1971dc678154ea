#pragma once
// The message box and the input dialog of the window, shown with Qt; the file dialogs, the
// choice of a data file's columns and a yes-or-no question.

#include <QMessageBox>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

#include "ui/Dialoge.h"

class QtDialoge : public zv::IDialoge {
  public:
    explicit QtDialoge(QWidget* eltern) : eltern_(eltern) {}
    std::string Eingabe(const std::string& aufforderung, const std::string& titel,
                        const std::string& vorgabe) override;
    void Meldung(const std::string& text, const std::string& titel,
                 zv::Meldungssymbol symbol) override;

  private:
    QPointer<QWidget> eltern_;
};

// The file dialog, to open a file (speichern false) or to save one, offering the folder or path
// vorschlag; the chosen path, or the empty text for Cancel. It is always the toolkit's own
// dialog and writes nothing to disk: no folder history, no list of recent files.
QString Dateidialog(QWidget* eltern, const QString& titel, const QString& vorschlag,
                    const QString& filter, bool speichern);

// Asks which of a data file's columns goes into which input box: one choice list per box,
// labelled as felder names them, offering the spalten and, where keineZulassen, an entry that
// leaves the box as it is (-1). vorschlag: the entries chosen at first. Nothing for Cancel.
std::optional<std::vector<int>> SpaltenWaehlen(QWidget* eltern, const QString& text,
                                               const QStringList& felder,
                                               const QStringList& spalten,
                                               const std::vector<int>& vorschlag,
                                               bool keineZulassen);

// A question with the buttons Ja and Nein, the one that Enter presses given; true for Ja.
bool JaNeinFrage(QWidget* eltern, const QString& frage, const QString& titel,
                 QMessageBox::StandardButton vorgabe = QMessageBox::Yes);

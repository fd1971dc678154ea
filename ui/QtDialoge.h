#pragma once
// The message box and the input dialog of the window, shown with Qt; the file dialogs.

#include <QPointer>
#include <QWidget>

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

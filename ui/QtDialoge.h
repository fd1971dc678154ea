#pragma once
// The message box and the input dialog of the window, shown with Qt.

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

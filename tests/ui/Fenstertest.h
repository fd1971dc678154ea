#pragma once
// What the window tests share: a control found by its name, and dialogs that answer from a list
// and keep what they were asked and showed.

#include <QStringList>
#include <QWidget>
#include <string>

#include "ui/Dialoge.h"

namespace zvtest {

// The child of that name; the test ends at once where it is missing.
template <class T = QWidget>
T* Kind(const QObject* fenster, const QString& name) {
    T* w = fenster->findChild<T*>(name);
    if (w == nullptr) qFatal("control %s missing", qPrintable(name));
    return w;
}

class Testdialoge : public zv::IDialoge {
  public:
    QStringList Antworten;  // handed out in order
    QStringList Fragen;     // prompt|title|preset
    QStringList Meldungen;  // text|title|symbol
    std::string Eingabe(const std::string& frage, const std::string& titel,
                        const std::string& vorgabe) override {
        Fragen << QString::fromStdString(frage + "|" + titel + "|" + vorgabe);
        return Antworten.isEmpty() ? std::string() : Antworten.takeFirst().toStdString();
    }
    void Meldung(const std::string& text, const std::string& titel,
                 zv::Meldungssymbol symbol) override {
        Meldungen << QString::fromStdString(text + "|" + titel + "|") +
                         (symbol == zv::Meldungssymbol::Kritisch ? "kritisch" : "info");
    }
};

}  // namespace zvtest

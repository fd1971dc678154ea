#include "ui/QtDialoge.h"

#include <QInputDialog>
#include <QMessageBox>

std::string QtDialoge::Eingabe(const std::string& aufforderung, const std::string& titel,
                               const std::string& vorgabe) {
    bool ok = false;
    const QString antwort = QInputDialog::getText(
        eltern_, QString::fromStdString(titel), QString::fromStdString(aufforderung),
        QLineEdit::Normal, QString::fromStdString(vorgabe), &ok);
    return ok ? antwort.toStdString() : std::string();
}

void QtDialoge::Meldung(const std::string& text, const std::string& titel,
                        zv::Meldungssymbol symbol) {
    // The label shows line breaks as LF; the text itself keeps its CR LF pairs.
    QString anzeige = QString::fromStdString(text);
    anzeige.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    QMessageBox box(
        symbol == zv::Meldungssymbol::Kritisch ? QMessageBox::Critical : QMessageBox::Information,
        QString::fromStdString(titel), anzeige, QMessageBox::Ok, eltern_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

#include "ui/QtDialoge.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QMessageBox>
#include <QSettings>
#include <QVBoxLayout>
#include <algorithm>

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

namespace {

// The toolkit's file dialog keeps its folder history, its view and the last folder in a
// settings file of the user's, written whenever a dialog closes. The program keeps nothing
// between starts: the user's settings are pointed at a place that can hold no file (below a
// device, not a folder), so they stay in memory while the program runs.
void EinstellungenNurImSpeicher() {
    static const bool einmal = [] {
        for (const auto format : {QSettings::NativeFormat, QSettings::IniFormat})
            QSettings::setPath(format, QSettings::UserScope, QStringLiteral("/dev/null"));
        return true;
    }();
    (void)einmal;
}

}  // namespace

QString Dateidialog(QWidget* eltern, const QString& titel, const QString& vorschlag,
                    const QString& filter, bool speichern) {
    EinstellungenNurImSpeicher();
    QFileDialog dialog(eltern, titel);
    // A dialog of the desktop would keep a list of recent files of its own.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setNameFilter(filter);
    if (speichern) {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        const QFileInfo datei(vorschlag);
        dialog.setDirectory(datei.absolutePath());
        dialog.selectFile(datei.fileName());
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setDirectory(vorschlag);
    }
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().constFirst();
}

std::optional<std::vector<int>> SpaltenWaehlen(QWidget* eltern, const QString& text,
                                               const QStringList& felder,
                                               const QStringList& spalten,
                                               const std::vector<int>& vorschlag,
                                               bool keineZulassen) {
    QDialog dialog(eltern);
    dialog.setWindowTitle(QStringLiteral("Spalten wählen"));
    auto* aufbau = new QVBoxLayout(&dialog);
    auto* frage = new QLabel(text);
    frage->setWordWrap(true);
    aufbau->addWidget(frage);
    auto* formular = new QFormLayout;
    std::vector<QComboBox*> listen;
    for (qsizetype i = 0; i < felder.size(); ++i) {
        auto* liste = new QComboBox;
        for (qsizetype j = 0; j < spalten.size(); ++j)
            liste->addItem(spalten[j], static_cast<int>(j));
        if (keineZulassen) liste->addItem(QStringLiteral("(unverändert lassen)"), -1);
        const int gewaehlt = static_cast<std::size_t>(i) < vorschlag.size()
                                 ? vorschlag[static_cast<std::size_t>(i)]
                                 : 0;
        liste->setCurrentIndex(std::max(0, liste->findData(gewaehlt)));
        formular->addRow(felder[i], liste);
        listen.push_back(liste);
    }
    aufbau->addLayout(formular);
    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    aufbau->addWidget(knoepfe);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    std::vector<int> wahl;
    for (const QComboBox* liste : listen) wahl.push_back(liste->currentData().toInt());
    return wahl;
}

bool JaNeinFrage(QWidget* eltern, const QString& frage, const QString& titel,
                 QMessageBox::StandardButton vorgabe) {
    return QMessageBox::question(eltern, titel, frage, QMessageBox::Yes | QMessageBox::No,
                                 vorgabe) == QMessageBox::Yes;
}

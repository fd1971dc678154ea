#include "ui/Blattdialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QVBoxLayout>
#include <limits>

#include "uebung/Arbeitsblatt.h"

std::optional<std::uint32_t> StartwertLesen(const QString& text) {
    static const QRegularExpression ziffern(QStringLiteral("^[0-9]{1,10}$"));
    if (!ziffern.match(text).hasMatch()) return std::nullopt;
    const qulonglong wert = text.toULongLong();
    if (wert > std::numeric_limits<std::uint32_t>::max()) return std::nullopt;
    return static_cast<std::uint32_t>(wert);
}

std::optional<Blattangaben> BlattangabenErfragen(QWidget* eltern, const Blattangaben& vorschlag,
                                                 const QString& aufgaben) {
    QDialog dialog(eltern);
    dialog.setObjectName(QStringLiteral("Blattdialog"));
    dialog.setWindowTitle(QStringLiteral("Übungsblätter"));
    auto* aufbau = new QVBoxLayout(&dialog);
    auto* erklaerung = new QLabel(
        QStringLiteral("Jedes Blatt erhält eigene Zufallsdaten und die Aufgaben der gewählten "
                       "Einträge: %1. Nach den Blättern folgen die Lösungen mit Rechenweg. "
                       "Dieselben Angaben und Einstellungen ergeben wieder dieselben Blätter.")
            .arg(aufgaben));
    erklaerung->setWordWrap(true);
    aufbau->addWidget(erklaerung);

    auto* formular = new QFormLayout;
    auto* blaetter = new QSpinBox;
    blaetter->setObjectName(QStringLiteral("spnBlaetter"));
    blaetter->setRange(1, zv::kMeisteBlaetter);
    blaetter->setValue(vorschlag.Blaetter);
    formular->addRow(QStringLiteral("Anzahl der &Blätter:"), blaetter);
    auto* startwert = new QLineEdit(QString::number(vorschlag.Startwert));
    startwert->setObjectName(QStringLiteral("txtStartwert"));
    startwert->setValidator(new QRegularExpressionValidator(
        QRegularExpression(QStringLiteral("[0-9]{0,10}")), startwert));
    startwert->setToolTip(QStringLiteral("Eine ganze Zahl von 0 bis 4294967295"));
    formular->addRow(QStringLiteral("&Startwert (0 bis 4294967295):"), startwert);
    auto* werte = new QSpinBox;
    werte->setObjectName(QStringLiteral("spnWerte"));
    werte->setRange(zv::kWenigsteWerte, zv::kMeisteWerte);
    werte->setValue(vorschlag.Werte);
    formular->addRow(QStringLiteral("&Werte je Eingabefeld:"), werte);
    aufbau->addLayout(formular);

    auto* knoepfe = new QDialogButtonBox(QDialogButtonBox::Cancel);
    QPushButton* drucken =
        knoepfe->addButton(QStringLiteral("&Drucken..."), QDialogButtonBox::AcceptRole);
    drucken->setObjectName(QStringLiteral("cmdDrucken"));
    QObject::connect(startwert, &QLineEdit::textChanged, drucken, [=](const QString& text) {
        drucken->setEnabled(StartwertLesen(text).has_value());
    });
    QObject::connect(knoepfe, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
    QObject::connect(knoepfe, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    aufbau->addWidget(knoepfe);
    // Return prints; set once the button is in the dialog, which keeps track of it only then.
    drucken->setDefault(true);
    dialog.setMinimumWidth(420);

    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const auto wert = StartwertLesen(startwert->text());
    if (!wert) return std::nullopt;
    return Blattangaben{blaetter->value(), *wert, werte->value()};
}

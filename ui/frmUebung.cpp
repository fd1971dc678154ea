#include "ui/frmUebung.h"

#include <QFontDatabase>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeySequence>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>
#include <string>
#include <string_view>
#include <utility>

#include "run/Statistiken.h"

namespace {

QString Text(std::string_view text) {
    QString t = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return t;
}

QString Eintragsname(const zv::Statistik& s) {
    return Text(s.Bezeichnung.empty() ? s.Text : s.Bezeichnung);
}

// Where a row belongs: its entry and its label. Answers follow their row across a new task.
using Schluessel = std::pair<const zv::Statistik*, std::string>;

std::vector<Schluessel> Schluesselliste(const zv::Aufgabe& a) {
    std::vector<Schluessel> liste;
    for (const zv::Antwortzeile& z : a.Zeilen) liste.emplace_back(z.Eintrag, z.Name);
    return liste;
}

// The same rows and the same lines instead of rows: the window can keep its controls.
bool GleicherAufbau(const zv::Aufgabe& a, const zv::Aufgabe& b) {
    return a.Abbruch == b.Abbruch && a.Ohne == b.Ohne && a.Eintraege == b.Eintraege &&
           Schluesselliste(a) == Schluesselliste(b);
}

// The mark in its colour; the word itself says it, for who cannot tell the colours apart.
void NoteZeigen(QLabel* feld, const zv::Bewertung* bewertung) {
    if (bewertung == nullptr) {
        feld->clear();
        feld->setStyleSheet(QString());
        return;
    }
    const char* farbe = "#777777";
    switch (bewertung->Urteil) {
        case zv::Note::Richtig:
            farbe = "#1b7a1b";
            break;
        case zv::Note::ZuUngenau:
            farbe = "#a86200";
            break;
        case zv::Note::Falsch:
            farbe = "#c01818";
            break;
        case zv::Note::Fehlt:
            break;
    }
    feld->setText(Text(zv::NotenText(bewertung->Urteil)));
    feld->setStyleSheet(QStringLiteral("font-weight: bold; color: %1").arg(farbe));
}

}  // namespace

frmUebung::frmUebung(Anbindung anbindung, QWidget* parent)
    : QWidget(parent, Qt::Window), anbindung_(std::move(anbindung)) {
    setObjectName(QStringLiteral("frmUebung"));
    setWindowTitle(QStringLiteral("Zorvanta – Übung"));
    resize(620, 640);

    lblAufgabe_ = new QLabel(this);
    lblAufgabe_->setObjectName(QStringLiteral("lblAufgabe"));
    lblAufgabe_->setWordWrap(true);
    fraZeilen_ = new QScrollArea(this);
    fraZeilen_->setObjectName(QStringLiteral("fraZeilen"));
    fraZeilen_->setWidgetResizable(true);
    fraZeilen_->setAccessibleName(QStringLiteral("Ergebnisse"));
    lblErgebnis_ = new QLabel(this);
    lblErgebnis_->setObjectName(QStringLiteral("lblErgebnis"));
    lblErgebnis_->setAccessibleName(QStringLiteral("Punktzahl"));
    QFont fett = lblErgebnis_->font();
    fett.setBold(true);
    lblErgebnis_->setFont(fett);
    txtLoesungsweg_ = new QPlainTextEdit(this);
    txtLoesungsweg_->setObjectName(QStringLiteral("txtLoesungsweg"));
    txtLoesungsweg_->setAccessibleName(QStringLiteral("Lösungsweg"));
    txtLoesungsweg_->setReadOnly(true);
    txtLoesungsweg_->setLineWrapMode(QPlainTextEdit::NoWrap);
    txtLoesungsweg_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    txtLoesungsweg_->setPlaceholderText(
        QStringLiteral("Nach dem Prüfen zeigt „Lösungsweg“ bei einer falschen Antwort hier den "
                       "Rechenweg."));

    const auto knopf = [this](const QString& text, const QString& name) {
        auto* k = new QPushButton(text, this);
        k->setObjectName(name);
        k->setAutoDefault(false);
        return k;
    };
    cmdNeueAufgabe_ = knopf(QStringLiteral("&Neue Aufgabe"), QStringLiteral("cmdNeueAufgabe"));
    cmdNeueAufgabe_->setToolTip(
        QStringLiteral("Füllt die Eingabefelder des Hauptfensters mit neuen Zufallsdaten."));
    cmdPruefen_ = knopf(QStringLiteral("&Prüfen"), QStringLiteral("cmdPruefen"));
    cmdSchliessen_ = knopf(QStringLiteral("S&chließen"), QStringLiteral("cmdSchliessen"));

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(cmdNeueAufgabe_);
    knoepfe->addWidget(cmdPruefen_);
    knoepfe->addStretch(1);
    knoepfe->addWidget(cmdSchliessen_);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(lblAufgabe_);
    spalte->addWidget(fraZeilen_, 3);
    spalte->addWidget(lblErgebnis_);
    spalte->addWidget(txtLoesungsweg_, 2);
    spalte->addLayout(knoepfe);

    connect(cmdNeueAufgabe_, &QPushButton::clicked, this, &frmUebung::NeueAufgabe);
    connect(cmdPruefen_, &QPushButton::clicked, this, &frmUebung::Pruefen);
    connect(cmdSchliessen_, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
}

void frmUebung::Aufbauen() {
    zv::Aufgabe neu = anbindung_.AufgabeHolen();
    std::vector<QString> antworten;
    const std::vector<Schluessel> neueSchluessel = Schluesselliste(neu);
    const std::vector<Schluessel> alteSchluessel = Schluesselliste(aufgabe_);
    for (const Schluessel& s : neueSchluessel) {
        QString antwort;
        for (std::size_t i = 0; i < alteSchluessel.size() && i < reihen_.size(); ++i)
            if (alteSchluessel[i] == s) antwort = reihen_[i].Antwort->text();
        antworten.push_back(antwort);
    }
    const bool gleich = !reihen_.empty() && GleicherAufbau(aufgabe_, neu);
    aufgabe_ = std::move(neu);
    if (!gleich) ZeilenBauen(antworten);
    MarkenLeeren();

    const auto n = static_cast<int>(aufgabe_.Daten.M1.size());
    if (!aufgabe_.Abbruch.empty())
        lblAufgabe_->setText(QStringLiteral("Die Daten im Hauptfenster ergeben keine Aufgabe:"));
    else
        lblAufgabe_->setText(
            QStringLiteral("Berechne zu den Daten im Hauptfenster (n = %1) die Ergebnisse der "
                           "gewählten Kennzahlen, gerundet auf %2 Nachkommastellen.")
                .arg(n)
                .arg(aufgabe_.Einstellungen.Nks));
}

void frmUebung::ZeilenBauen(const std::vector<QString>& antworten) {
    // The old controls may be sending the signal that got here: they go when it is over.
    if (QWidget* alt = fraZeilen_->takeWidget()) alt->deleteLater();
    reihen_.clear();
    auto* flaeche = new QWidget;
    auto* raster = new QGridLayout(flaeche);
    raster->setColumnStretch(3, 1);
    int zeile = 0;
    const auto ganzeZeile = [&](const QString& text, const QString& name, bool fett) {
        auto* l = new QLabel(text, flaeche);
        l->setObjectName(name);
        l->setWordWrap(true);
        if (fett) {
            QFont f = l->font();
            f.setBold(true);
            l->setFont(f);
        }
        raster->addWidget(l, zeile++, 0, 1, 5);
    };

    if (!aufgabe_.Abbruch.empty()) {
        ganzeZeile(Text(aufgabe_.Abbruch), QStringLiteral("lblAbbruch"), false);
    } else if (aufgabe_.Eintraege.empty()) {
        ganzeZeile(QStringLiteral("Wähle im Hauptfenster in der Liste die Kennzahlen, deren "
                                  "Ergebnisse du berechnen willst, und drücke dann „Prüfen“."),
                   QStringLiteral("lblLeer"), false);
    }
    for (const zv::Statistik* eintrag : aufgabe_.Eintraege) {
        ganzeZeile(Eintragsname(*eintrag), QString(), true);
        for (const auto& [ohne, grund] : aufgabe_.Ohne)
            if (ohne == eintrag) ganzeZeile(Text(grund), QStringLiteral("lblOhne"), false);
        for (std::size_t i = 0; i < aufgabe_.Zeilen.size(); ++i) {
            const zv::Antwortzeile& a = aufgabe_.Zeilen[i];
            if (a.Eintrag != eintrag) continue;
            const QString name = Text(a.Name);
            const QString nr = QString::number(i);
            auto* beschriftung = new QLabel(name + QStringLiteral(":"), flaeche);
            beschriftung->setObjectName(QStringLiteral("lblName_") + nr);
            Reihe r;
            r.Antwort = new QLineEdit(antworten[i], flaeche);
            r.Antwort->setObjectName(QStringLiteral("txtAntwort_") + nr);
            r.Antwort->setAccessibleName(QStringLiteral("Antwort ") + name);
            beschriftung->setBuddy(r.Antwort);
            r.Note = new QLabel(flaeche);
            r.Note->setObjectName(QStringLiteral("lblNote_") + nr);
            r.Note->setAccessibleName(QStringLiteral("Bewertung ") + name);
            r.Note->setMinimumWidth(
                r.Note->fontMetrics().horizontalAdvance(QStringLiteral("zu ungenau  ")));
            r.Satz = new QLabel(flaeche);
            r.Satz->setObjectName(QStringLiteral("lblSatz_") + nr);
            r.Satz->setAccessibleName(QStringLiteral("Hinweis ") + name);
            r.Satz->setWordWrap(true);
            r.Weg = new QPushButton(QStringLiteral("Lösungsweg"), flaeche);
            r.Weg->setObjectName(QStringLiteral("cmdLoesungsweg_") + nr);
            r.Weg->setAccessibleName(QStringLiteral("Lösungsweg ") + name);
            r.Weg->setAutoDefault(false);
            connect(r.Weg, &QPushButton::clicked, this, [this, i] { LoesungswegZeigen(i); });
            // Return in an answer marks all of them.
            connect(r.Antwort, &QLineEdit::returnPressed, this, &frmUebung::Pruefen);
            raster->addWidget(beschriftung, zeile, 0);
            raster->addWidget(r.Antwort, zeile, 1);
            raster->addWidget(r.Note, zeile, 2);
            raster->addWidget(r.Satz, zeile, 3);
            raster->addWidget(r.Weg, zeile, 4, Qt::AlignTop);
            ++zeile;
            reihen_.resize(i + 1);
            reihen_[i] = r;
        }
    }
    raster->setRowStretch(zeile, 1);
    fraZeilen_->setWidget(flaeche);
}

void frmUebung::MarkenLeeren() {
    for (const Reihe& r : reihen_) {
        if (r.Note == nullptr) continue;
        NoteZeigen(r.Note, nullptr);
        r.Satz->clear();
        r.Weg->setEnabled(false);
    }
    lblErgebnis_->clear();
    txtLoesungsweg_->clear();
}

void frmUebung::NeueAufgabe() {
    anbindung_.NeueDaten();
    for (const Reihe& r : reihen_)
        if (r.Antwort != nullptr) r.Antwort->clear();
    Aufbauen();
    if (!reihen_.empty() && reihen_.front().Antwort != nullptr)
        reihen_.front().Antwort->setFocus(Qt::OtherFocusReason);
}

void frmUebung::Pruefen() {
    Aufbauen();
    int richtig = 0;
    for (std::size_t i = 0; i < reihen_.size(); ++i) {
        const Reihe& r = reihen_[i];
        if (r.Antwort == nullptr) continue;
        const zv::Bewertung b =
            zv::AntwortBewerten(aufgabe_, aufgabe_.Zeilen[i], r.Antwort->text().toStdString());
        NoteZeigen(r.Note, &b);
        r.Satz->setText(Text(b.Satz));
        r.Weg->setEnabled(b.Urteil == zv::Note::Falsch || b.Urteil == zv::Note::ZuUngenau);
        if (b.Urteil == zv::Note::Richtig) ++richtig;
    }
    if (!aufgabe_.Zeilen.empty())
        lblErgebnis_->setText(QStringLiteral("%1 von %2 richtig")
                                  .arg(richtig)
                                  .arg(static_cast<int>(aufgabe_.Zeilen.size())));
}

void frmUebung::LoesungswegZeigen(std::size_t zeile) {
    if (zeile >= aufgabe_.Zeilen.size()) return;
    txtLoesungsweg_->setPlainText(Text(zv::Loesungsweg(aufgabe_, *aufgabe_.Zeilen[zeile].Eintrag)));
}

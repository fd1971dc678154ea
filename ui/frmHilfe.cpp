#include "ui/frmHilfe.h"

#include <QHBoxLayout>
#include <QKeySequence>
#include <QPushButton>
#include <QShortcut>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <string_view>

#include "run/Statistiken.h"

namespace {

QString Html(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toHtmlEscaped();
}

}  // namespace

frmHilfe::frmHilfe(QWidget* parent) : QWidget(parent, Qt::Window) {
    setWindowTitle(QStringLiteral("Zorvanta – Hilfe zu den Kennzahlen"));
    resize(520, 560);

    txtHilfe_ = new QTextBrowser(this);
    txtHilfe_->setObjectName(QStringLiteral("txtHilfe"));
    txtHilfe_->setAccessibleName(QStringLiteral("Erklärung der Kennzahl"));
    txtHilfe_->setOpenLinks(false);
    cmdSchliessen_ = new QPushButton(QStringLiteral("S&chließen"), this);
    cmdSchliessen_->setObjectName(QStringLiteral("cmdSchliessen"));
    cmdSchliessen_->setAutoDefault(false);

    auto* knoepfe = new QHBoxLayout;
    knoepfe->addStretch(1);
    knoepfe->addWidget(cmdSchliessen_);
    auto* spalte = new QVBoxLayout(this);
    spalte->addWidget(txtHilfe_, 1);
    spalte->addLayout(knoepfe);

    connect(cmdSchliessen_, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);
    Zeigen(nullptr);
}

QString frmHilfe::Seite(const zv::Statistik* s) {
    if (s == nullptr) {
        return QStringLiteral(
            "<h2>Hilfe zu den Kennzahlen</h2>"
            "<p>Wähle im Hauptfenster in der Liste der Kennzahlen einen Eintrag: Klicke ihn an "
            "oder gehe mit den Pfeiltasten zu ihm. Hier steht dann, was er misst, wie du seinen "
            "Wert liest und nach welcher Formel das Programm ihn berechnet.</p>");
    }
    const std::string_view name = s->Bezeichnung.empty() ? s->Text : s->Bezeichnung;
    // The formula in a fixed-pitch font with the subscripts and signs it uses, so its columns
    // stay aligned; a line too long for the window wraps.
    QString seite = QStringLiteral("<h2>%1</h2>").arg(Html(name));
    seite += QStringLiteral("<h3>Was wird gemessen?</h3><p>%1</p>").arg(Html(s->Hilfe.Misst));
    seite += QStringLiteral("<h3>So liest du den Wert</h3><p>%1</p>").arg(Html(s->Hilfe.Ablesen));
    seite += QStringLiteral(
                 "<h3>Formel</h3><pre style=\"font-family: 'DejaVu Sans Mono', monospace; "
                 "white-space: pre-wrap\">%1</pre>")
                 .arg(Html(s->Hilfe.Formel));
    seite += QStringLiteral("<p><i>Im Bericht: Abschnitt „%1“.").arg(Html(s->Titel));
    if (s->MitBerechnungsschritten)
        seite += QStringLiteral(
            " Mit „Berechnungsschritte anzeigen“ zeigt der Bericht auch den "
            "Rechenweg.");
    seite += QStringLiteral("</i></p>");
    return seite;
}

void frmHilfe::Zeigen(const zv::Statistik* statistik) {
    gezeigt_ = statistik;
    txtHilfe_->setHtml(Seite(statistik));
}

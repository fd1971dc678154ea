#include "ui/Eingabezeile.h"

#include <QAction>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <limits>

#include "base/Text.h"

Eingabezeile::Eingabezeile(QWidget* parent) : QLineEdit(parent) {
    // The toolkit's default of 32767 characters would cut long lists.
    setMaxLength(std::numeric_limits<int>::max());
}

QString Eingabezeile::ZeilenumbruecheErsetzen(QString text, const QString& trennzeichen) {
    const char trenner = trennzeichen.isEmpty() ? ' ' : trennzeichen.at(0).toLatin1();
    return QString::fromStdString(zv::ZeilenumbruecheAlsTrenner(text.toStdString(), trenner));
}

void Eingabezeile::Einfuegen(const QString& text) {
    if (isReadOnly()) return;
    if (Einfuegepruefung && Einfuegepruefung(text)) return;
    insert(ZeilenumbruecheErsetzen(text, Trennzeichen ? Trennzeichen() : QStringLiteral(" ")));
}

void Eingabezeile::Ersetzen(const QString& text) {
    if (text == this->text()) return;
    selectAll();
    insert(text);
}

void Eingabezeile::keyPressEvent(QKeyEvent* e) {
    if (e->matches(QKeySequence::Paste)) {
        Einfuegen(QGuiApplication::clipboard()->text(QClipboard::Clipboard));
        e->accept();
        return;
    }
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    if (enter && Tastendruck && !(e->modifiers() & (Qt::ControlModifier | Qt::AltModifier))) {
        int Zeichencode = 13;
        Tastendruck(Zeichencode);
        if (Zeichencode != 13) {
            if (Zeichencode != 0 && !isReadOnly()) insert(QString(QChar(Zeichencode)));
            e->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(e);
}

void Eingabezeile::contextMenuEvent(QContextMenuEvent* e) {
    QMenu* menue = createStandardContextMenu();
    // The paste item: named "edit-paste" by newer toolkits; otherwise known by its caption,
    // which the toolkit translates in the line edit's context (a shortcut may follow a tab).
    const QString beschriftung = QLineEdit::tr("&Paste");
    for (QAction* punkt : menue->actions()) {
        if (punkt->objectName() != QLatin1String("edit-paste") &&
            punkt->text().section(QLatin1Char('\t'), 0, 0) != beschriftung)
            continue;
        QObject::disconnect(punkt, SIGNAL(triggered(bool)), nullptr, nullptr);
        connect(punkt, &QAction::triggered, this,
                [this] { Einfuegen(QGuiApplication::clipboard()->text(QClipboard::Clipboard)); });
    }
    menue->setAttribute(Qt::WA_DeleteOnClose);
    menue->popup(e->globalPos());
}

void Eingabezeile::mouseReleaseEvent(QMouseEvent* e) {
    QClipboard* ablage = QGuiApplication::clipboard();
    if (e->button() == Qt::MiddleButton && ablage->supportsSelection() && !isReadOnly()) {
        deselect();
        Einfuegen(ablage->text(QClipboard::Selection));
        e->accept();
        return;
    }
    QLineEdit::mouseReleaseEvent(e);
}

void Eingabezeile::dropEvent(QDropEvent* e) {
    const QMimeData* daten = e->mimeData();
    if (daten && daten->hasText() && Trennzeichen) {
        const QString text = daten->text();
        const QString umgewandelt = ZeilenumbruecheErsetzen(text, Trennzeichen());
        if (umgewandelt != text) {
            QMimeData ersatzDaten;
            ersatzDaten.setText(umgewandelt);
            QDropEvent ersatz(e->position(), e->possibleActions(), &ersatzDaten, e->buttons(),
                              e->modifiers());
            ersatz.setDropAction(e->dropAction());
            QLineEdit::dropEvent(&ersatz);
            e->setDropAction(ersatz.dropAction());
            e->setAccepted(ersatz.isAccepted());
            return;
        }
    }
    QLineEdit::dropEvent(e);
}

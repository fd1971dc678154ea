#include "ui/Tastenregeln.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// The chosen option of the group a radio button belongs to: its button group, else the
// radio buttons beside it (the toolkit's automatic exclusivity); nullptr when none is chosen.
QAbstractButton* GewaehlteOption(QAbstractButton* option) {
    if (QButtonGroup* gruppe = option->group()) return gruppe->checkedButton();
    if (option->isChecked()) return option;
    const QWidget* eltern = option->parentWidget();
    if (eltern == nullptr) return nullptr;
    for (QRadioButton* nachbar : eltern->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        if (nachbar->isChecked() && nachbar->autoExclusive()) return nachbar;
    return nullptr;
}

// For a label whose buddy is an option, or a frame holding options: the option to focus.
QAbstractButton* OptionFuerZugriffstaste(QObject* objekt) {
    if (auto* beschriftung = qobject_cast<QLabel*>(objekt)) {
        auto* option = qobject_cast<QRadioButton*>(beschriftung->buddy());
        if (option == nullptr) return nullptr;
        QAbstractButton* gewaehlt = GewaehlteOption(option);
        return gewaehlt != nullptr ? gewaehlt : option;
    }
    if (auto* rahmen = qobject_cast<QGroupBox*>(objekt)) {
        const auto optionen = rahmen->findChildren<QRadioButton*>();
        for (QRadioButton* o : optionen)
            if (o->isChecked()) return o;
        return optionen.isEmpty() ? nullptr : optionen.first();
    }
    return nullptr;
}

bool IstTextfeld(const QObject* objekt) {
    return qobject_cast<const QLineEdit*>(objekt) || qobject_cast<const QPlainTextEdit*>(objekt);
}

}  // namespace

void Tastenregeln::Anwenden(QWidget* fenster) {
    QList<QWidget*> alle = fenster->findChildren<QWidget*>();
    alle.prepend(fenster);
    for (QWidget* w : alle) {
        if (IstTextfeld(w) || qobject_cast<QPushButton*>(w) || qobject_cast<QLabel*>(w) ||
            qobject_cast<QGroupBox*>(w))
            w->installEventFilter(this);
    }
}

bool Tastenregeln::eventFilter(QObject* objekt, QEvent* e) {
    if (e->type() == QEvent::Shortcut) {
        if (QAbstractButton* option = OptionFuerZugriffstaste(objekt)) {
            option->setFocus(Qt::ShortcutFocusReason);
            return true;
        }
        return false;
    }
    if (e->type() != QEvent::KeyPress) return false;
    auto* taste = static_cast<QKeyEvent*>(e);
    const Qt::KeyboardModifiers halten =
        taste->modifiers() & (Qt::AltModifier | Qt::ControlModifier | Qt::MetaModifier);

    if (auto* knopf = qobject_cast<QPushButton*>(objekt)) {
        const bool enter = taste->key() == Qt::Key_Return || taste->key() == Qt::Key_Enter;
        if (!enter || halten || taste->modifiers() & Qt::ShiftModifier) return false;
        knopf->animateClick();
        return true;
    }
    if (IstTextfeld(objekt) && halten && !taste->text().isEmpty()) {
        // The same key without its text: shortcuts still act, nothing is typed.
        QKeyEvent ohneText(taste->type(), taste->key(), taste->modifiers(), taste->nativeScanCode(),
                           taste->nativeVirtualKey(), taste->nativeModifiers(), QString(),
                           taste->isAutoRepeat(), static_cast<quint16>(taste->count()));
        QCoreApplication::sendEvent(objekt, &ohneText);
        e->setAccepted(ohneText.isAccepted());
        return true;
    }
    return false;
}

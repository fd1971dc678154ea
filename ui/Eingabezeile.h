#pragma once
// The one-line input box of a value list. Enter is offered to a key handler that may type
// another character instead, and pasted or dropped text has its line breaks (CR LF, CR, LF)
// turned into the current separator, trailing ones dropped, so that a column copied from a
// spreadsheet arrives as a valid list.

#include <QLineEdit>
#include <functional>

class Eingabezeile : public QLineEdit {
    Q_OBJECT

  public:
    explicit Eingabezeile(QWidget* parent = nullptr);

    // Supplies the separator that pasted line breaks become.
    std::function<QString()> Trennzeichen;
    // Receives the character code 13 of an Enter key; a changed code is typed instead.
    std::function<void(int& Zeichencode)> Tastendruck;
    // Sees a pasted text first; true when it took the text itself, which is then not inserted.
    std::function<bool(const QString& text)> Einfuegepruefung;

    // Inserts the text as a paste does, line breaks converted.
    void Einfuegen(const QString& text);

    // Replaces the whole text as one edit that Ctrl+Z takes back; setText would forget the
    // undo history.
    void Ersetzen(const QString& text);

    static QString ZeilenumbruecheErsetzen(QString text, const QString& trennzeichen);

  protected:
    void keyPressEvent(QKeyEvent* e) override;
    void contextMenuEvent(QContextMenuEvent* e) override;
    void mouseReleaseEvent(QMouseEvent* e) override;
    void dropEvent(QDropEvent* e) override;
};

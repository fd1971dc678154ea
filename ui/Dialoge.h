#pragma once
// The window's message box and input dialog, reached through an interface so that the window
// plugs in the Qt ones (ui/QtDialoge.h) and tests plug in their own.

#include <string>

namespace zv {

enum class Meldungssymbol { Information, Kritisch };

class IDialoge {
  public:
    virtual ~IDialoge() = default;
    // Shows prompt, title and preset answer with OK and Cancel; Cancel gives the empty text.
    virtual std::string Eingabe(const std::string& aufforderung, const std::string& titel,
                                const std::string& vorgabe) = 0;
    // Shows the text with an OK button and waits for it.
    virtual void Meldung(const std::string& text, const std::string& titel,
                         Meldungssymbol symbol) = 0;
};

}  // namespace zv

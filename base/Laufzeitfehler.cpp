#include "base/Laufzeitfehler.h"

namespace zv {

const char* Beschreibung(Fehlerart art) noexcept {
    switch (art) {
        case Fehlerart::Typenunvertraeglich:
            return "Typen unverträglich";
        case Fehlerart::Ueberlauf:
            return "Überlauf";
        case Fehlerart::DivisionDurchNull:
            return "Division durch Null";
        case Fehlerart::IndexAusserhalb:
            return "Index außerhalb des gültigen Bereichs";
        case Fehlerart::UngueltigesArgument:
            return "Ungültiges Argument";
    }
    return "Überlauf";
}

void Wirf(Fehlerart art) {
    throw Laufzeitfehler(art);
}

}  // namespace zv

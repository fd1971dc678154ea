#include "core/CZahlen.h"

#include <locale.h>
#include <stdio.h>
#include <stdlib.h>

namespace zv {

namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;
}

// Formats with the C locale in force for this thread only.
std::string CFormat(const char* format, int stellen, double x) {
    const locale_t vorher = uselocale(CLocale());
    const int laenge = snprintf(nullptr, 0, format, stellen, x);
    std::string text(static_cast<std::size_t>(laenge), '\0');
    snprintf(text.data(), text.size() + 1, format, stellen, x);
    uselocale(vorher);
    return text;
}

}  // namespace

double CZahlLesen(const char* text) { return strtod_l(text, nullptr, CLocale()); }

std::string CExponentText(double x, int stellen) { return CFormat("%.*e", stellen, x); }

std::string CFestkommaText(double x, int stellen) { return CFormat("%.*f", stellen, x); }

}  // namespace zv

#include "base/CZahlen.h"

#include <locale.h>
#include <stdlib.h>

#include <algorithm>
#include <charconv>
#include <cstring>
#include <system_error>

namespace zv {

namespace {

locale_t CLocale() {
    static const locale_t c = newlocale(LC_ALL_MASK, "C", static_cast<locale_t>(0));
    return c;
}

std::string Formatiert(double x, std::chars_format format, int stellen) {
    // Enough for any double at the smaller precisions; grown for long fixed-point texts.
    std::string text(64 + static_cast<std::size_t>(std::max(stellen, 0)), '\0');
    for (;;) {
        auto [ende, fehler] =
            stellen < 0 ? std::to_chars(text.data(), text.data() + text.size(), x, format)
                        : std::to_chars(text.data(), text.data() + text.size(), x, format, stellen);
        if (fehler == std::errc()) {
            text.resize(static_cast<std::size_t>(ende - text.data()));
            return text;
        }
        text.resize(text.size() * 2);
    }
}

}  // namespace

double CZahlLesen(const char* text) {
    double wert = 0.0;
    const char* ende = text + std::strlen(text);
    auto [pos, fehler] = std::from_chars(text, ende, wert);
    if (fehler == std::errc() && pos == ende) return wert;
    // Out of range (overflow to infinity, underflow to the nearest tiny value or zero) and
    // anything unusual: the C library decides.
    return strtod_l(text, nullptr, CLocale());
}

std::string CExponentText(double x, int stellen) {
    return Formatiert(x, std::chars_format::scientific, stellen);
}

std::string CFestkommaText(double x, int stellen) {
    return Formatiert(x, std::chars_format::fixed, stellen);
}

}  // namespace zv

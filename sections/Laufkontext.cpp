#include "sections/Laufkontext.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "base/Text.h"
#include "base/Zahltext.h"

namespace zv {

std::string_view Laufkontext::Tabellenzahl(double x, bool gerundet) {
    std::vector<Zahltext>& speicher = gerundet ? gerundet_ : voll_;
    if (speicher.empty()) {
        // A slot per two values of the longer list: the calculation tables repeat many.
        const std::size_t plaetze =
            std::bit_ceil(std::clamp<std::size_t>(std::max(M1.size(), M2.size()) / 2, 64, 16384));
        speicher.assign(plaetze, Zahltext{0, 0, {}});
        verschiebung_ = 64 - std::countr_zero(plaetze);
    }
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
    Zahltext& z = speicher[(bits * 0x9E3779B97F4A7C15ULL) >> verschiebung_];
    if (z.Laenge > 0 && z.Bits == bits) return {z.Text, z.Laenge};
    std::string text = gerundet ? Gerundet(x) : Voll(x);
    if (text.size() > sizeof z.Text) {
        lang_ = std::move(text);
        return lang_;
    }
    std::memcpy(z.Text, text.data(), text.size());
    z.Laenge = static_cast<std::uint8_t>(text.size());
    z.Bits = bits;
    return {z.Text, z.Laenge};
}

std::string Zahlformat::Voll(double x) const {
    return VollText(x, e_.Dezimaltrennzeichen);
}

std::string Zahlformat::Gerundet(double x) const {
    return GerundetText(x, e_.Nks, e_.Dezimaltrennzeichen);
}

std::string Zahlformat::Verbunden(const std::vector<std::string>& teile) const {
    return Verbinden(teile, e_.Ausgabetrennzeichen);
}

}  // namespace zv

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
        speicher.assign(plaetze, Zahltext{0, nullptr, 0});
        verschiebung_ = 64 - std::countr_zero(plaetze);
    }
    const std::uint64_t bits = std::bit_cast<std::uint64_t>(x);
    Zahltext& z = speicher[(bits * 0x9E3779B97F4A7C15ULL) >> verschiebung_];
    if (z.Text != nullptr && z.Bits == bits) return {z.Text, z.Laenge};
    const std::string text = gerundet ? Gerundet(x) : Voll(x);
    if (frei_ == nullptr || text.size() > rest_) {
        rest_ = std::max<std::size_t>(text.size(), 65536);
        bloecke_.push_back(std::make_unique_for_overwrite<char[]>(rest_));
        frei_ = bloecke_.back().get();
    }
    std::memcpy(frei_, text.data(), text.size());
    z = {bits, frei_, text.size()};
    frei_ += text.size();
    rest_ -= text.size();
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

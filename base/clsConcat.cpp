#include "base/clsConcat.h"

#include <algorithm>
#include <bit>
#include <cstring>
#include <limits>

#include "base/Laufzeitfehler.h"

namespace zv {

namespace {

// Length of a UTF-8 text in 16-bit characters: a four-byte sequence needs two of them.
long long Utf16Laenge(std::string_view text) {
    // Eight bytes at a time: a continuation byte is 10xxxxxx, a four-byte lead 11110xxx.
    constexpr std::uint64_t kHoch = 0x8080808080808080ULL;
    long long n = static_cast<long long>(text.size());
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t w;
        std::memcpy(&w, text.data() + i, 8);
        if ((w & kHoch) == 0) continue;  // plain ASCII
        n -= std::popcount(w & ~(w << 1) & kHoch);
        n += std::popcount(w & (w << 1) & (w << 2) & (w << 3) & ~(w << 4) & kHoch);
    }
    for (; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c & 0xC0) == 0x80) --n;
        if ((c & 0xF8) == 0xF0) ++n;
    }
    return n;
}

}  // namespace

void clsConcat::AddVerbunden(std::string_view vorne, const std::vector<std::string>& teile,
                             std::string_view trenner, std::string_view hinten) {
    long long laenge = Utf16Laenge(vorne) + Utf16Laenge(hinten) + 2;
    std::size_t bytes = vorne.size() + hinten.size() + 2;
    for (const std::string& t : teile) laenge += Utf16Laenge(t), bytes += t.size();
    if (teile.size() > 1) {
        laenge += Utf16Laenge(trenner) * static_cast<long long>(teile.size() - 1);
        bytes += trenner.size() * (teile.size() - 1);
    }

    const std::int32_t e = Platz(laenge, bytes);
    Text_ += vorne;
    for (std::size_t i = 0; i < teile.size(); ++i) {
        if (i > 0) Text_ += trenner;
        Text_ += teile[i];
    }
    Text_ += hinten;
    Text_ += "\r\n";
    Position_ = e;
}

void clsConcat::ZeilenAbschliessen(std::size_t alt) {
    try {
        Position_ = Platz(Utf16Laenge(std::string_view(Text_).substr(alt)), 0);
    } catch (const Laufzeitfehler&) {
        Text_.resize(alt);
        throw;
    }
}

std::int32_t clsConcat::Platz(long long laenge, std::size_t bytes) {
    const long long e = static_cast<long long>(Position_) + 2 * laenge;
    if (e > std::numeric_limits<std::int32_t>::max()) Wirf(Fehlerart::Ueberlauf);
    if (e > Capacity_) {
        // Grow by e characters (2e bytes): geometric, so a long report is moved only a few
        // times.
        const long long neu = static_cast<long long>(Capacity_) + 2 * e;
        if (neu > std::numeric_limits<std::int32_t>::max()) Wirf(Fehlerart::Ueberlauf);
        Capacity_ = static_cast<std::int32_t>(neu);
        Text_.reserve(std::max(static_cast<std::size_t>(Capacity_ / 2), Text_.size() + bytes));
    }
    return static_cast<std::int32_t>(e);
}

}  // namespace zv

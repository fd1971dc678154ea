#include "core/clsConcat.h"

#include <limits>

#include "core/Laufzeitfehler.h"

namespace zv {

namespace {

// Length of a UTF-8 text in 16-bit characters: a four-byte sequence needs two of them.
long long Utf16Laenge(std::string_view text) {
    long long n = 0;
    for (unsigned char c : text) {
        if ((c & 0xC0) != 0x80) ++n;  // a character starts
        if (c >= 0xF0) ++n;           // and needs a surrogate pair
    }
    return n;
}

}  // namespace

void clsConcat::Add(std::string_view Value) {
    const long long e = static_cast<long long>(Position_) + 2 * (Utf16Laenge(Value) + 2);
    if (e > std::numeric_limits<std::int32_t>::max()) Wirf(Fehlerart::Ueberlauf);
    if (e > Capacity_) {
        // Grow by e characters (2e bytes): geometric, so a long report is moved only a few
        // times.
        const long long neu = static_cast<long long>(Capacity_) + 2 * e;
        if (neu > std::numeric_limits<std::int32_t>::max()) Wirf(Fehlerart::Ueberlauf);
        Capacity_ = static_cast<std::int32_t>(neu);
        Text_.reserve(static_cast<std::size_t>(Capacity_ / 2));
    }
    Text_ += Value;
    Text_ += "\r\n";
    Position_ = static_cast<std::int32_t>(e);
}

}  // namespace zv

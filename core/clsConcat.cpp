#include "core/clsConcat.h"

#include <limits>

#include "core/Laufzeitfehler.h"
#include "core/Utf.h"

namespace zv {

void clsConcat::Add(std::string_view Value) {
    std::u16string t;
    t.reserve(Value.size() + 2);
    Utf8NachUtf16Anhaengen(Value, t);
    t.push_back(u'\r');
    t.push_back(u'\n');

    // Bookkeeping in bytes, two per character, in 32 bits.
    const long long e = static_cast<long long>(Position_) + 2LL * static_cast<long long>(t.size());
    if (e > std::numeric_limits<std::int32_t>::max()) Wirf(Fehlerart::Ueberlauf);
    if (e > Capacity_) {
        // Grow by e characters: geometric, so a long report reallocates only a few times.
        const long long neu = 2LL * (static_cast<long long>(Buffer_.size()) + e);
        if (neu > std::numeric_limits<std::int32_t>::max()) Wirf(Fehlerart::Ueberlauf);
        Buffer_.append(static_cast<std::size_t>(e), u' ');
        Capacity_ = static_cast<std::int32_t>(neu);
    }
    Buffer_.replace(static_cast<std::size_t>(Position_ - 1) / 2, t.size(), t);
    Position_ = static_cast<std::int32_t>(e);
}

std::string clsConcat::Value() const {
    return Utf16NachUtf8(std::u16string_view(Buffer_).substr(0, (Position_ - 1) / 2));
}

}  // namespace zv

#pragma once
// Conversion between UTF-8 and UTF-16. Invalid UTF-8 bytes become U+FFFD.

#include <string>
#include <string_view>

namespace zv {

void Utf8NachUtf16Anhaengen(std::string_view utf8, std::u16string& ziel);
std::string Utf16NachUtf8(std::u16string_view utf16);

}  // namespace zv

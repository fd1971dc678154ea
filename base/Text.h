#pragma once
// Small text helpers shared by the report sections. All texts are UTF-8; lengths are counted
// in characters, never in bytes ("²" and "ä" are one character each).

#include <string>
#include <string_view>
#include <vector>

namespace zv {

// Number of characters of a UTF-8 text.
std::size_t Zeichenzahl(std::string_view text);

// Length in bytes of the well-formed UTF-8 character the text starts with; 0 when the text is
// empty or starts with a byte that begins no such character (overlong forms, surrogates and
// values beyond U+10FFFF included).
std::size_t Utf8Zeichenlaenge(std::string_view text);

// n blanks; n <= 0 gives the empty text.
std::string Leerzeichen(long long n);

// n hyphens; n <= 0 gives the empty text.
std::string Striche(long long n);

// The entries in order with the separator between neighbours only.
std::string Verbinden(const std::vector<std::string>& teile, std::string_view trenner);

// Splits at every occurrence of the one-character separator; empty pieces count; the empty
// text gives no pieces.
std::vector<std::string_view> Teilen(std::string_view text, char trenner);

// Removes leading and trailing blanks (code 32 only).
std::string_view OhneRandLeerzeichen(std::string_view text);

// Text pasted into an input box or read from a file: every line break (CR LF, CR or LF)
// becomes the separator, and trailing line breaks are dropped, so a pasted column is a list.
std::string ZeilenumbruecheAlsTrenner(std::string_view text, char trenner);

}  // namespace zv

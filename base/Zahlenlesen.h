#pragma once
// Reading numbers from text: the locale-aware conversion of list pieces and the leading-number
// reading of the decimal-places box and the generator's count.

#include <cstdint>
#include <string>
#include <string_view>

namespace zv {

// Whole text must be a number: [blanks/tabs] [+|-] digits with at most one decimal separator
// (at least one digit) [E|e [+|-] digits] [blanks/tabs]. Anything else raises
// "Typen unverträglich"; a magnitude beyond the double range raises "Überlauf".
double ZahlLesen(std::string_view text, std::string_view dezimal);

// True when ZahlLesen would accept the text (overflowing magnitudes included).
bool IstNumerisch(std::string_view text, std::string_view dezimal);

// Reads as much of the text as forms a number ("." as decimal point, blanks and tabs skipped
// wherever they stand); nothing readable gives 0. An out-of-range magnitude gives +-infinity.
double FuehrendeZahl(std::string_view text);

// Rounds half to even to a 16-bit integer; outside -32768..32767 raises "Überlauf".
std::int16_t AufInt16Runden(double wert);

// The decimal separator of a locale name such as "de_DE.UTF-8", "en_US", "C".
std::string DezimaltrennzeichenFuerLocale(std::string_view name);

// The decimal separator of the system locale: LC_ALL, else LC_NUMERIC, else LANG.
std::string DezimaltrennzeichenAusUmgebung();

}  // namespace zv

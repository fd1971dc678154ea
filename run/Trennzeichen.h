#pragma once
// The separators of the input boxes, one row each in the order of the window's option buttons
// optSeparator(0) to optSeparator(4): the name the report tool's --separator takes and the
// character the run splits the boxes at.

#include <cstddef>
#include <string_view>

namespace zv {

struct Trennzeichenoption {
    std::string_view Name;
    char Zeichen;
};

inline constexpr Trennzeichenoption kTrennzeichenoptionen[] = {
    {"space", ' '}, {"comma", ','}, {"semicolon", ';'}, {"tab", '\t'}, {"tilde", '~'}};

// The option of that name, as its index; -1 for a name that is none.
constexpr int TrennzeichenwahlZuName(std::string_view name) {
    for (std::size_t i = 0; i < std::size(kTrennzeichenoptionen); ++i)
        if (kTrennzeichenoptionen[i].Name == name) return static_cast<int>(i);
    return -1;
}

// Whether wahl is the index of an option; any other index chooses none.
constexpr bool IstTrennzeichenwahl(int wahl) {
    return wahl >= 0 && static_cast<std::size_t>(wahl) < std::size(kTrennzeichenoptionen);
}

}  // namespace zv

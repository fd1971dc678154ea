#pragma once
// An input box read from a file or the standard input, as the report tool takes it: in pieces
// of bounded size, every line break as the separator, and no further than the report needs.

#include <cstddef>
#include <streambuf>
#include <string>

namespace zv {

// The most bytes read for one input box: 16 MiB. A list holds at most 32767 values, and 32767
// numbers written with every digit a double has fill less than one MiB; the limit leaves sixteen
// times that for blanks and long spellings, and keeps a run's memory bounded.
inline constexpr std::size_t kGroessteEingabe = std::size_t{16} << 20;

enum class Leseende {
    Vollstaendig,  // read to the end
    Ueberlauf,     // stopped where the list became too long for a run
    ZuGross,       // more than the limit came before that: nothing to run
};

struct Feldinhalt {
    std::string Text;
    Leseende Ende = Leseende::Vollstaendig;
};

// Reads the source as a pasted column: CR LF, CR and LF each become the separator, trailing line
// breaks are dropped (the text ZeilenumbruecheAlsTrenner gives). The run refuses a list with
// 32768 separators or more between the first and the last non-blank character ("Überlauf",
// whatever else the text holds); reading stops as soon as that many came, and the text read so
// far gives the same report as the whole source would. When more than hoechstens bytes come
// before that, reading stops with ZuGross.
Feldinhalt FeldLesen(std::streambuf& quelle, char trenner,
                     std::size_t hoechstens = kGroessteEingabe);

}  // namespace zv

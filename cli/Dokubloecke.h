#pragma once
// The blocks of the documentation written from the program's own tables: the options of the
// report tool (cli/Optionen.h) and the statistics (run/Statistiken.h). scripts/dokubloecke.cmake
// puts each between its markers in the man pages, the README and the metainfo, or fails while
// a file differs.

#include <optional>
#include <string>
#include <string_view>

namespace zv {

// The man page's option paragraphs (roff), one .TP each; a row without a paragraph of its own
// is named by .TQ above the next row's.
std::string OptionenHandbuch();

// The man page's synopsis: the call with every option that goes into a report, then a line
// of its own for each option that ends the program.
std::string OptionenUebersicht();

// The README's option table (Markdown); a row without a meaning of its own shares the next
// row's line.
std::string OptionenReadme();

// A name as roff prints it: every minus as \-, so that it is not taken for a hyphen.
std::string Roffname(std::string_view name);

// The list entries of one data mode as roff text: comma-separated, ending with a full stop,
// lines at most 95 characters.
std::string StatistikenRoff(bool zweidimensional);

// The window's man page's list of statistics: the entries of each data mode.
std::string StatistikenHandbuch();

// The README's table of statistics (Markdown): list entry, section title, data mode and whether
// it has calculation steps, a line for each.
std::string StatistikenReadme();

// The metainfo's list of statistics: the entries of each data mode as an XML list.
std::string StatistikenMetainfo();

// The block of this name ("optionen-uebersicht", "optionen-handbuch", "optionen-readme",
// "statistiken-handbuch", "statistiken-readme", "statistiken-metainfo"), or nothing for an
// unknown name.
std::optional<std::string> Dokublock(std::string_view name);

}  // namespace zv

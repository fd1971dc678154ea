#pragma once
// The report buffer: collects report lines so that appending a line copies only that line.
// The text is kept as UTF-8, the form every caller reads. Its bookkeeping counts the text as
// 16-bit characters, in bytes (two per character): Position is the 1-based byte position of
// the next line and Capacity the room counted the same way. When a line would reach past
// Capacity, Capacity grows by twice the position after that line and the storage reserves
// half of Capacity in bytes (at least what the line needs), so a long report moves only a few
// times.

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zv {

class clsConcat {
  public:
    clsConcat() { Clear(); }

    // Empties the buffer; the storage is kept for reuse.
    void Clear() {
        Position_ = 1;
        Text_.clear();
    }

    // Appends the line (UTF-8) followed by carriage return and line feed.
    void Add(std::string_view Value) { AddVerbunden(Value, {}, {}, {}); }

    // Appends one line made of vorne, the entries joined with trenner, and hinten, without
    // building the line first.
    void AddVerbunden(std::string_view vorne, const std::vector<std::string>& teile,
                      std::string_view trenner, std::string_view hinten);

    // Appends whole lines, each already ending in carriage return and line feed, that
    // schreiben writes straight into the buffer: it gets room for hoechstens bytes and returns
    // how many it wrote. A block of many lines is counted once and never copied.
    template <class F>
    void AddZeilen(std::size_t hoechstens, F&& schreiben) {
        const std::size_t alt = Text_.size();
        Text_.resize(alt + hoechstens);
        Text_.resize(alt + schreiben(Text_.data() + alt));
        ZeilenAbschliessen(alt);
    }

    // Number of 16-bit characters held.
    std::int32_t Length() const { return Position_ / 2; }

    // Every line added since the last Clear, each with its line end, as UTF-8.
    const std::string& Value() const { return Text_; }

  private:
    // Makes room for a line of laenge 16-bit characters and its bytes; returns the position
    // after it.
    std::int32_t Platz(long long laenge, std::size_t bytes);
    // Counts the lines written from byte alt on; takes them back when they do not fit.
    void ZeilenAbschliessen(std::size_t alt);

    std::string Text_;
    std::int32_t Capacity_ = 0;
    std::int32_t Position_ = 1;
};

}  // namespace zv

#pragma once
// The report buffer: collects report lines so that appending a line copies only that line.
// Storage is kept as 16-bit characters with its bookkeeping in bytes (two per character);
// the buffer grows geometrically.

#include <cstdint>
#include <string>
#include <string_view>

namespace zv {

class clsConcat {
public:
    clsConcat() { Clear(); }

    // Empties the buffer; the storage is kept for reuse.
    void Clear() { Position_ = 1; }

    // Appends the line (UTF-8) followed by carriage return and line feed.
    void Add(std::string_view Value);

    // Number of characters held.
    std::int32_t Length() const { return Position_ / 2; }

    // Every line added since the last Clear, each with its line end, as UTF-8.
    std::string Value() const;

    // Bookkeeping, readable for tests.
    std::int32_t Capacity() const { return Capacity_; }
    std::int32_t Position() const { return Position_; }

private:
    std::u16string Buffer_;
    std::int32_t Capacity_ = 0;
    std::int32_t Position_ = 1;
};

}  // namespace zv

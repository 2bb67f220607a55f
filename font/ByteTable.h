#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "Error.h"

namespace ledfont {

using Byte = std::uint8_t;

namespace detail {
[[noreturn]] void ThrowSubscript(const char* table, long index, std::size_t size);
}

// A fixed one-dimensional byte table, indexes 0..Size-1; every access is checked.
template <std::size_t Size>
class ByteArray {
public:
    static constexpr std::size_t size() { return Size; }

    Byte& operator()(long i) { return bytes_[Checked(i)]; }
    Byte operator()(long i) const { return bytes_[Checked(i)]; }

    const Byte* data() const { return bytes_.data(); }
    void fill(Byte value) { bytes_.fill(value); }
    bool operator==(const ByteArray&) const = default;

private:
    static std::size_t Checked(long i) {
        if (i < 0 || static_cast<std::size_t>(i) >= Size) detail::ThrowSubscript("array", i, Size);
        return static_cast<std::size_t>(i);
    }
    std::array<Byte, Size> bytes_{};
};

// A fixed two-dimensional byte table indexed (row, column); every access is checked.
template <std::size_t Rows, std::size_t Cols>
class ByteTable {
public:
    static constexpr std::size_t RowCount() { return Rows; }
    static constexpr std::size_t ColumnCount() { return Cols; }

    Byte& operator()(long r, long c) { return bytes_[Offset(r, c)]; }
    Byte operator()(long r, long c) const { return bytes_[Offset(r, c)]; }

    bool operator==(const ByteTable&) const = default;

private:
    static std::size_t Offset(long r, long c) {
        if (r < 0 || static_cast<std::size_t>(r) >= Rows) detail::ThrowSubscript("row", r, Rows);
        if (c < 0 || static_cast<std::size_t>(c) >= Cols) detail::ThrowSubscript("column", c, Cols);
        return static_cast<std::size_t>(r) * Cols + static_cast<std::size_t>(c);
    }
    std::array<Byte, Rows * Cols> bytes_{};
};

}  // namespace ledfont

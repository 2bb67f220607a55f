#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace ledfont::cli {

// How compose writes a line's columns: the bytes as they are, a C array for
// a firmware's source, or an Intel HEX image for its programmer.
enum class ColumnsFormat { Raw, CArray, IntelHex };

// The format a name asks for by its ending, in any case: .bin, .c, .hex.
std::optional<ColumnsFormat> ColumnsFormatOfName(const std::string& name);

// The format --format names ("bin", "c", "hex"). Throws UsageError for another.
ColumnsFormat ColumnsFormatNamed(const std::string& name);

// An address of --address: hexadecimal after "0x" (either case), or decimal;
// at most 0xFFFFFFFF. Throws UsageError for anything else.
std::uint32_t ParseAddress(const std::string& text);

// The C source of a const uint8_t array called name holding bytes, and of
// name_columns, how many columns they hold; comment says what they are.
std::string ColumnsCArray(std::span<const std::uint8_t> bytes, const std::string& name,
                          const std::string& comment);

// The C name for the array written to the file path: its base name before the
// first dot, every character that a C name cannot hold as "_"; "sign_line"
// when nothing is left (standard output, "/dev/stdout" keeps "stdout").
std::string ArrayNameOfPath(const std::string& path);

// Intel HEX of bytes loaded from address on: 16-byte data records that never
// cross a 64 KiB boundary, an extended linear address record before the
// first one above 0xFFFF and at every such boundary, and the end record, each
// line ended by CR LF. Throws UsageError when the bytes would reach past
// 0xFFFFFFFF.
std::string IntelHexText(std::span<const std::uint8_t> bytes, std::uint32_t address);

}  // namespace ledfont::cli

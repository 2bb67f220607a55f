#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "ByteTable.h"

namespace ledfont {

// The record types of Intel HEX.
enum class HexRecordType : Byte {
    Data = 0x00,
    EndOfFile = 0x01,
    ExtendedSegmentAddress = 0x02,
    StartSegmentAddress = 0x03,
    ExtendedLinearAddress = 0x04,
    StartLinearAddress = 0x05,
};

// One line of an Intel HEX file: ":" count, address, type, data, checksum,
// all as pairs of hexadecimal digits.
struct HexRecord {
    HexRecordType type = HexRecordType::Data;
    std::uint16_t offset = 0;
    std::vector<Byte> data;
};

// Reads one line (its line end removed) into record. Returns what is wrong
// with the line, or an empty text when it is a well-formed record with a
// known type: the colon, hexadecimal digits in pairs, a byte count that
// matches the data, a checksum that brings the sum of all bytes to 0 mod 256,
// and the data length each address and end record needs.
std::string ParseHexRecord(std::string_view line, HexRecord& record);

}  // namespace ledfont

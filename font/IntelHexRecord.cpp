#include "IntelHexRecord.h"

#include "HexText.h"

namespace ledfont {
namespace {

constexpr std::size_t kFramingBytes = 5;  // count, two address bytes, type, checksum

// The pairs of digits after the colon as bytes; false at the first non-digit.
bool DecodeDigits(std::string_view digits, std::vector<Byte>& bytes) {
    for (std::size_t i = 0; i + 1 < digits.size(); i += 2) {
        const int high = DigitValue(digits[i]);
        const int low = DigitValue(digits[i + 1]);
        if (high < 0 || low < 0) return false;
        bytes.push_back(static_cast<Byte>(high * 16 + low));
    }
    return true;
}

// The data length a record type needs, or -1 for any length.
int NeededLength(HexRecordType type) {
    switch (type) {
        case HexRecordType::Data:
            return -1;
        case HexRecordType::EndOfFile:
            return 0;
        case HexRecordType::ExtendedSegmentAddress:
        case HexRecordType::ExtendedLinearAddress:
            return 2;
        case HexRecordType::StartSegmentAddress:
        case HexRecordType::StartLinearAddress:
            return 4;
    }
    return -2;  // not a record type
}

std::string CheckFraming(const std::vector<Byte>& bytes) {
    if (bytes.size() < kFramingBytes) return "a record needs at least 5 bytes";
    if (bytes[0] != bytes.size() - kFramingBytes)
        return "byte count " + HexCh(bytes[0]) + " does not match the " +
               std::to_string(bytes.size() - kFramingBytes) + " data bytes of the record";
    unsigned sum = 0;
    for (const Byte b : bytes) sum += b;
    if (sum % 256 != 0) {
        const unsigned expected = (256 - (sum - bytes.back()) % 256) % 256;
        return "checksum " + HexCh(bytes.back()) + " should be " + HexCh(static_cast<Byte>(expected));
    }
    return {};
}

}  // namespace

std::string ParseHexRecord(std::string_view line, HexRecord& record) {
    if (line.empty()) return "an empty line is not a record";
    if (line[0] != ':') return "a record begins with ':'";
    const std::string_view digits = line.substr(1);
    if (digits.size() % 2 != 0) return "a record has an odd number of digits";
    std::vector<Byte> bytes;
    bytes.reserve(digits.size() / 2);
    if (!DecodeDigits(digits, bytes)) return "a record holds only hexadecimal digits after ':'";
    if (std::string problem = CheckFraming(bytes); !problem.empty()) return problem;

    const auto type = static_cast<HexRecordType>(bytes[3]);
    const int needed = NeededLength(type);
    if (needed == -2) return "record type " + HexCh(bytes[3]) + " is not an Intel HEX record type";
    if (needed >= 0 && bytes[0] != needed)
        return "a record of type " + HexCh(bytes[3]) + " holds " + std::to_string(needed) +
               " data bytes, not " + std::to_string(bytes[0]);
    record.type = type;
    record.offset = static_cast<std::uint16_t>(bytes[1] * 256 + bytes[2]);
    record.data.assign(bytes.begin() + 4, bytes.end() - 1);
    return {};
}

}  // namespace ledfont

#include "ColumnsOutput.h"

#include <algorithm>
#include <cctype>
#include <charconv>

#include "Error.h"
#include "HexText.h"

namespace ledfont::cli {
namespace {

constexpr std::size_t kHexRecordBytes = 16;
constexpr std::uint64_t kAddressSpace = std::uint64_t{1} << 32;
constexpr std::size_t kArrayBytesALine = 12;

bool EndsWithNoCase(const std::string& name, std::string_view suffix) {
    return name.size() >= suffix.size() &&
           std::equal(suffix.begin(), suffix.end(), name.end() - static_cast<std::ptrdiff_t>(suffix.size()),
                      [](char a, char b) { return a == std::tolower(static_cast<unsigned char>(b)); });
}

// One record: count, address, type, data, and the checksum that brings the sum of them all to 0.
std::string HexRecordLine(std::uint8_t type, std::uint16_t offset, std::span<const std::uint8_t> data) {
    std::string line = ":" + HexCh(static_cast<Byte>(data.size())) + HexCh(static_cast<Byte>(offset >> 8)) +
                       HexCh(static_cast<Byte>(offset & 0xFF)) + HexCh(type);
    unsigned sum = static_cast<unsigned>(data.size()) + (offset >> 8) + (offset & 0xFFu) + type;
    for (const std::uint8_t b : data) {
        line += HexCh(b);
        sum += b;
    }
    return line + HexCh(static_cast<Byte>((256 - sum % 256) % 256)) + "\r\n";
}

}  // namespace

std::optional<ColumnsFormat> ColumnsFormatOfName(const std::string& name) {
    if (EndsWithNoCase(name, ".bin")) return ColumnsFormat::Raw;
    if (EndsWithNoCase(name, ".c")) return ColumnsFormat::CArray;
    if (EndsWithNoCase(name, ".hex")) return ColumnsFormat::IntelHex;
    return std::nullopt;
}

ColumnsFormat ColumnsFormatNamed(const std::string& name) {
    if (name == "bin") return ColumnsFormat::Raw;
    if (name == "c") return ColumnsFormat::CArray;
    if (name == "hex") return ColumnsFormat::IntelHex;
    throw MakeError<UsageError>("--format takes bin, c or hex, not \"" + name + "\"");
}

std::uint32_t ParseAddress(const std::string& text) {
    const bool hex = text.size() > 2 && text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
    const char* first = text.data() + (hex ? 2 : 0);
    const char* last = text.data() + text.size();
    std::uint32_t value = 0;
    const auto [end, ec] = std::from_chars(first, last, value, hex ? 16 : 10);
    if (text.empty() || ec != std::errc() || end != last)
        throw MakeError<UsageError>(
            "--address takes an address from 0 to 0xFFFFFFFF, in hexadecimal after 0x "
            "or in decimal, not \"" +
            text + "\"");
    return value;
}

std::string ArrayNameOfPath(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    std::string name = path.substr(slash == std::string::npos ? 0 : slash + 1);
    name = name.substr(0, name.find('.'));
    for (char& ch : name)
        if (!std::isalnum(static_cast<unsigned char>(ch))) ch = '_';
    if (name.empty() || name == "_") return "sign_line";
    if (std::isdigit(static_cast<unsigned char>(name[0]))) name.insert(0, "_");
    return name;
}

std::string ColumnsCArray(std::span<const std::uint8_t> bytes, const std::string& name,
                          const std::string& comment) {
    std::string text = "/* " + comment + " */\n#include <stdint.h>\n\n";
    text += "const unsigned " + name + "_columns = " + std::to_string(bytes.size() / 2) + ";\n";
    text += "const uint8_t " + name + "[" + std::to_string(std::max<std::size_t>(bytes.size(), 1)) + "] = {";
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        text += i % kArrayBytesALine == 0 ? "\n    " : " ";
        text += "0x" + HexCh(bytes[i]) + ",";
    }
    return text + (bytes.empty() ? "0xFF" : "\n") + "};\n";
}

std::string IntelHexText(std::span<const std::uint8_t> bytes, std::uint32_t address) {
    if (address + std::uint64_t{bytes.size()} > kAddressSpace)
        throw MakeError<UsageError>("the line's " + std::to_string(bytes.size()) + " bytes at " + "0x" +
                                    AddressText(address) + " would reach past 0xFFFFFFFF");
    std::string text;
    std::uint64_t at = address;
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (done == 0 ? at > 0xFFFF : at % 0x10000 == 0) {
            const std::uint8_t upper[] = {static_cast<std::uint8_t>(at >> 24),
                                          static_cast<std::uint8_t>(at >> 16)};
            text += HexRecordLine(0x04, 0, upper);
        }
        const std::size_t toBoundary = static_cast<std::size_t>(0x10000 - at % 0x10000);
        const std::size_t n = std::min({kHexRecordBytes, bytes.size() - done, toBoundary});
        text += HexRecordLine(0x00, static_cast<std::uint16_t>(at & 0xFFFF), bytes.subspan(done, n));
        done += n;
        at += n;
    }
    return text + ":00000001FF\r\n";
}

}  // namespace ledfont::cli

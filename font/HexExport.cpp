#include "HexExport.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "AtomicFile.h"
#include "Error.h"
#include "HexText.h"
#include "OutputGuard.h"

namespace ledfont {
namespace {

constexpr int kRecordDataBytes = 16;
constexpr int kChecksumBlockBytes = 19;  // RecBuf 0..15 data, 16 count, 17..18 address
constexpr std::string_view kEndRecord = ":00000001FF";
constexpr std::string_view kLineEnd = "\r\n";
// A data line is 43 characters and CR LF with a four-digit address; room is
// kept for up to eight digits so no address can write past the buffer.
constexpr std::size_t kMaxDataLineChars = 43 + 4 + kLineEnd.size();

constexpr int kHindiRecords = GlyphCount(FontMode::Hindi) * kRecordBytes / kRecordDataBytes;        // 272
constexpr int kJuktaGlyphRecords = GlyphCount(FontMode::Jukta) * kRecordBytes / kRecordDataBytes;   // 136
constexpr int kJuktaCodeRecords = GlyphCount(FontMode::Jukta) * kCodePairBytes / kRecordDataBytes;  // 8

// Room for the whole text of an export of this many data records.
constexpr std::size_t TextChars(int records) {
    return static_cast<std::size_t>(records) * kMaxDataLineChars + kEndRecord.size() + kLineEnd.size();
}

// Writes go straight into a string sized in advance: the export builds over
// twelve thousand characters and per-character appends dominate its time.
class TextWriter {
public:
    TextWriter(std::string& out, std::size_t chars) : out_(out), start_(out.size()) {
        out_.resize(start_ + chars);
        at_ = out_.data() + start_;
    }
    ~TextWriter() { out_.resize(static_cast<std::size_t>(at_ - out_.data())); }
    TextWriter(const TextWriter&) = delete;
    TextWriter& operator=(const TextWriter&) = delete;

    void Text(std::string_view s) {
        for (const char ch : s) *at_++ = ch;
    }
    void HexByte(Byte value) {
        *at_++ = kHexDigits[value >> 4];
        *at_++ = kHexDigits[value & 0x0F];
    }
    // Upper-case digits without leading zeros (every address in use has four).
    void HexNumber(std::uint32_t value) {
        char digits[8];
        int n = 0;
        do {
            digits[n++] = kHexDigits[value & 0x0F];
            value >>= 4;
        } while (value != 0);
        while (n > 0) *at_++ = digits[--n];
    }

private:
    std::string& out_;
    std::size_t start_;
    char* at_;
};

// The two's complement of the low byte of the sum: all bytes of the record,
// the checksum too, then sum to a multiple of 256.
Byte Checksum(std::span<const Byte> bytes) {
    int sum = 0;
    for (const Byte b : bytes) sum += b;
    return static_cast<Byte>((256 - sum % 256) % 256);
}

// HexBuf(34c + k) = FontBytes(c, k): the glyph records one after another.
void FillGlyphImage(FontState& state, int glyphs) {
    for (int c = 0; c < glyphs; ++c)
        for (int k = 0; k < kRecordBytes; ++k) state.HexBuf(c * kRecordBytes + k) = state.FontBytes(c, k);
}

// HexBuf(2c + j) = JuktaCodes(c, j): code byte 0 then 1 of each conjunct.
void FillCodeImage(FontState& state) {
    for (int c = 0; c < GlyphCount(FontMode::Jukta); ++c)
        for (int j = 0; j < kCodePairBytes; ++j)
            state.HexBuf(kCodePairBytes * c + j) = state.JuktaCodes(c, j);
}

// Prints records 0..records-1 of HexBuf, the first at address base.
void PrintBlock(const FontState& state, std::int32_t base, int records, std::string& out) {
    TextWriter writer(out, static_cast<std::size_t>(records) * kMaxDataLineChars);
    ByteArray<21> recBuf;  // the checksum block; 19 and 20 are never written
    std::int32_t recAddr = base;
    for (int r = 0; r < records; ++r) {
        writer.Text(":10");
        writer.HexNumber(static_cast<std::uint32_t>(recAddr));
        writer.Text("00");
        for (int k = 0; k < kRecordDataBytes; ++k) {
            const Byte b = state.HexBuf(kRecordDataBytes * r + k);
            writer.HexByte(b);
            recBuf(k) = b;
        }
        recBuf(16) = kRecordDataBytes;
        recBuf(17) = static_cast<Byte>(recAddr / 256);
        recBuf(18) = static_cast<Byte>(recAddr % 256);
        writer.HexByte(Checksum(std::span(recBuf.data(), kChecksumBlockBytes)));
        writer.Text(kLineEnd);
        recAddr += kRecordDataBytes;
    }
}

// Where the last count characters of a UTF-8 name begin: continuation bytes
// (10xxxxxx) belong to the character before them, so no character is split.
std::optional<std::size_t> StartOfLastCharacters(const std::string& name, int count) {
    std::size_t at = name.size();
    for (int i = 0; i < count; ++i) {
        if (at == 0) return std::nullopt;
        --at;
        while (at > 0 && (static_cast<unsigned char>(name[at]) & 0xC0) == 0x80) --at;
    }
    return at;
}

}  // namespace

std::string HexOutputName(const std::string& fontFile) {
    const std::string quoted = "\"" + fontFile + "\"";
    const std::optional<std::size_t> cut = StartOfLastCharacters(fontFile, 3);
    if (!cut) throw MakeError<BadFileNameError>(quoted + " is too short to make a HEX file name from");
    const std::size_t keep = *cut;
    if (fontFile.find('/', keep) != std::string::npos)
        throw MakeError<BadFileNameError>("the HEX file for " + quoted + " would not lie beside it");
    std::string name = fontFile.substr(0, keep) + "hex";
    RefuseOverwritingFont(name, fontFile);
    return name;
}

std::string HexImageText(FontState& state) {
    std::string out;
    if (state.IsJukta) {
        out.reserve(TextChars(kJuktaGlyphRecords + kJuktaCodeRecords));
        FillGlyphImage(state, GlyphCount(FontMode::Jukta));
        PrintBlock(state, kJuktaGlyphBase, kJuktaGlyphRecords, out);
        // The code pairs go over the start of the glyph image, already printed.
        FillCodeImage(state);
        PrintBlock(state, kJuktaCodeBase, kJuktaCodeRecords, out);
    } else {
        out.reserve(TextChars(kHindiRecords));
        FillGlyphImage(state, GlyphCount(FontMode::Hindi));
        PrintBlock(state, kHindiGlyphBase, kHindiRecords, out);
    }
    out += kEndRecord;
    out += kLineEnd;
    return out;
}

void WriteHexFile(FontState& state, const std::string& name) {
    RefuseOverwritingFont(name, state.FontFile);
    WriteFileAtomically(name, HexImageText(state));
}

void MakeHexFile(FontState& state) {
    if (state.FontFile.empty()) return;
    WriteHexFile(state, HexOutputName(state.FontFile));
}

}  // namespace ledfont

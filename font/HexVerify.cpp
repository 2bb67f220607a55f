#include "HexVerify.h"

#include <cstdint>
#include <vector>

#include "ControllerMap.h"
#include "HexText.h"
#include "IntelHexRecord.h"

namespace ledfont {
namespace {

std::string AddressNamed(std::uint32_t address) { return "address " + AddressText(address); }

// Walks the records of a HEX file in order, keeping the address base and
// which addresses have been written.
class HexImageVerifier {
public:
    HexImageVerifier(const FontState& font, FontMode mode)
        : font_(font),
          mode_(mode),
          firstAddress_(ControllerMap(mode).front().base),
          writtenOn_(ControllerMap(mode).back().End() - firstAddress_, 0) {}

    std::optional<HexProblem> Run(std::string_view text) {
        std::size_t at = 0;
        while (at < text.size()) {
            const std::size_t end = text.find('\n', at);
            std::string_view line = text.substr(at, end == std::string_view::npos ? end : end - at);
            at = end == std::string_view::npos ? text.size() : end + 1;
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            ++lineNo_;
            if (auto problem = CheckLine(line)) return problem;
        }
        if (!ended_) return HexProblem{0, "no end record (:00000001FF); the file may be cut short"};
        return FirstMissingByte();
    }

private:
    std::optional<HexProblem> CheckLine(std::string_view line) {
        if (ended_) return Problem("a line after the end record");
        HexRecord record;
        if (const std::string problem = ParseHexRecord(line, record); !problem.empty())
            return Problem(problem);
        switch (record.type) {
            case HexRecordType::Data:
                return CheckData(record);
            case HexRecordType::EndOfFile:
                ended_ = true;
                break;
            case HexRecordType::ExtendedSegmentAddress:
                base_ = Word(record) * 16u;
                break;
            case HexRecordType::ExtendedLinearAddress:
                base_ = Word(record) << 16;
                break;
            case HexRecordType::StartSegmentAddress:
            case HexRecordType::StartLinearAddress:
                break;  // where code would start: no memory content
        }
        return std::nullopt;
    }

    static std::uint32_t Word(const HexRecord& record) {
        return static_cast<std::uint32_t>(record.data[0] * 256 + record.data[1]);
    }

    std::optional<HexProblem> CheckData(const HexRecord& record) {
        for (std::size_t i = 0; i < record.data.size(); ++i) {
            // The 16-bit offset wraps within its segment, as in every Intel HEX reader.
            const std::uint32_t address = base_ + ((record.offset + i) & 0xFFFFu);
            if (auto problem = CheckByte(address, record.data[i])) return problem;
        }
        return std::nullopt;
    }

    std::optional<HexProblem> CheckByte(std::uint32_t address, Byte value) {
        const std::optional<MappedByte> expected = FontByteAt(font_, mode_, address);
        if (!expected)
            return Problem(AddressNamed(address) + " is outside the " + ModeName(mode_) + " font's map (" +
                           ControllerMapText(mode_) + ")");
        long& first = WrittenOn(address);
        if (first != 0)
            return Problem(AddressNamed(address) + " (" + DescribeMappedByte(mode_, *expected) +
                           ") is written again; line " + std::to_string(first) + " wrote it first");
        first = lineNo_;
        if (value != expected->value)
            return Problem(AddressNamed(address) + " (" + DescribeMappedByte(mode_, *expected) + ") is " +
                           HexCh(value) + " in the HEX file, " + HexCh(expected->value) + " in the font");
        return std::nullopt;
    }

    std::optional<HexProblem> FirstMissingByte() {
        for (const MapBlock& block : ControllerMap(mode_))
            for (std::uint32_t address = block.base; address < block.End(); ++address)
                if (WrittenOn(address) == 0)
                    return HexProblem{0, AddressNamed(address) + " (" + Describe(address) +
                                             ") is missing from the HEX file"};
        return std::nullopt;
    }

    // The line that wrote an address of the map, 0 while none has.
    long& WrittenOn(std::uint32_t address) { return writtenOn_[address - firstAddress_]; }

    std::string Describe(std::uint32_t address) const {
        return DescribeMappedByte(mode_, *FontByteAt(font_, mode_, address));
    }

    HexProblem Problem(std::string text) const { return {lineNo_, std::move(text)}; }

    const FontState& font_;
    FontMode mode_;
    long lineNo_ = 0;
    std::uint32_t base_ = 0;
    bool ended_ = false;
    std::uint32_t firstAddress_;
    std::vector<long> writtenOn_;  // by address from firstAddress_, over the whole map
};

}  // namespace

std::optional<HexProblem> VerifyHexImage(std::string_view hexText, const FontState& font, FontMode mode) {
    return HexImageVerifier(font, mode).Run(hexText);
}

}  // namespace ledfont

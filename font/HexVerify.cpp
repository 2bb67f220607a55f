#include "HexVerify.h"

#include <cstdint>
#include <vector>

#include "ControllerMap.h"
#include "HexImageReader.h"
#include "HexText.h"

namespace ledfont {
namespace {

std::string AddressNamed(std::uint32_t address) { return "address " + AddressText(address); }

// Compares each byte of a HEX file with the font as it is read, keeping which
// addresses have been written; the first problem ends the reading.
class HexImageVerifier : public HexImageVisitor {
public:
    HexImageVerifier(const FontState& font, FontMode mode)
        : font_(font),
          mode_(mode),
          firstAddress_(ControllerMap(mode).front().base),
          writtenOn_(ControllerMap(mode).back().End() - firstAddress_, 0) {}

    std::optional<HexProblem> Run(std::string_view text) {
        ReadHexImage(text, *this);
        if (problem_) return problem_;
        return FirstMissingByte();
    }

    bool OnByte(std::uint32_t address, Byte value, long line) override {
        std::optional<HexProblem> problem = CheckByte(address, value, line);
        if (!problem) return true;
        problem_ = std::move(problem);
        return false;
    }

    bool OnProblem(HexProblem problem) override {
        problem_ = std::move(problem);
        return false;
    }

private:
    std::optional<HexProblem> CheckByte(std::uint32_t address, Byte value, long line) {
        const std::optional<MappedByte> expected = FontByteAt(font_, mode_, address);
        if (!expected)
            return HexProblem{line, AddressNamed(address) + " is outside the " + ModeName(mode_) +
                                        " font's map (" + ControllerMapText(mode_) + ")"};
        long& first = WrittenOn(address);
        if (first != 0)
            return HexProblem{line, AddressNamed(address) + " (" + DescribeMappedByte(mode_, *expected) +
                                        ") is written again; line " + std::to_string(first) +
                                        " wrote it first"};
        first = line;
        if (value != expected->value)
            return HexProblem{line, AddressNamed(address) + " (" + DescribeMappedByte(mode_, *expected) +
                                        ") is " + HexCh(value) + " in the HEX file, " +
                                        HexCh(expected->value) + " in the font"};
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

    const FontState& font_;
    FontMode mode_;
    std::uint32_t firstAddress_;
    std::vector<long> writtenOn_;  // by address from firstAddress_, over the whole map
    std::optional<HexProblem> problem_;
};

}  // namespace

std::optional<HexProblem> VerifyHexImage(std::string_view hexText, const FontState& font, FontMode mode) {
    return HexImageVerifier(font, mode).Run(hexText);
}

}  // namespace ledfont

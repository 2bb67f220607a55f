#include "HexFontImage.h"

#include <algorithm>
#include <cstdint>
#include <optional>

#include "BlankGlyph.h"
#include "ControllerMap.h"
#include "HexText.h"

namespace ledfont {
namespace {

class FontsHeldReader : public HexImageVisitor {
public:
    bool OnByte(std::uint32_t address, Byte, long) override {
        held.hindi = held.hindi || MapHolds(FontMode::Hindi, address);
        held.jukta = held.jukta || MapHolds(FontMode::Jukta, address);
        return true;
    }
    bool OnProblem(HexProblem) override { return true; }

    HexFontsHeld held;
};

// Addresses first..last: "address 9000", "addresses 9000..900F".
std::string Addresses(std::uint32_t first, std::uint32_t last) {
    if (first == last) return "address " + AddressText(first);
    return "addresses " + AddressText(first) + ".." + AddressText(last);
}

// Builds the font byte by byte as the records come, with what it notes. A
// run of addresses outside the map, or of addresses one line writes again
// after another line, is one note, where the run begins.
class HexFontCollector : public HexImageVisitor {
public:
    explicit HexFontCollector(FontMode mode)
        : mode_(mode),
          firstAddress_(ControllerMap(mode).front().base),
          writtenOn_(ControllerMap(mode).back().End() - firstAddress_, 0) {
        result_.font = BlankFont(mode);
    }

    HexFont Run(std::string_view text) {
        ReadHexImage(text, *this);
        EndRun();
        NoteMissingRuns();
        return std::move(result_);
    }

    bool OnByte(std::uint32_t address, Byte value, long line) override {
        if (!MapHolds(mode_, address)) {
            ExtendRun(RunKind::Outside, address, line, 0);
            return true;
        }
        long& first = WrittenOn(address);
        if (first != 0) {
            ExtendRun(RunKind::WrittenAgain, address, line, first);
        } else {
            EndRun();
            first = line;
        }
        const MappedByte place = At(address);
        (place.isCodePair ? result_.font.JuktaCodes(place.glyph, place.index)
                          : result_.font.FontBytes(place.glyph, place.index)) = value;
        return true;
    }

    bool OnProblem(HexProblem problem) override {
        EndRun();
        result_.notes.push_back({std::move(problem), true});
        return true;
    }

private:
    enum class RunKind { Outside, WrittenAgain };
    struct AddressRun {
        RunKind kind;
        std::size_t note;  // its place among the notes
        std::uint32_t first;
        std::uint32_t last;
        long firstWriter;  // the line that wrote the addresses first
    };

    void ExtendRun(RunKind kind, std::uint32_t address, long line, long firstWriter) {
        if (run_ && run_->kind == kind && address == run_->last + 1 && run_->firstWriter == firstWriter) {
            run_->last = address;
            return;
        }
        EndRun();
        run_ = AddressRun{kind, result_.notes.size(), address, address, firstWriter};
        result_.notes.push_back({{line, ""}, kind == RunKind::WrittenAgain});
    }

    void EndRun() {
        if (!run_) return;
        const bool one = run_->first == run_->last;
        std::string& text = result_.notes[run_->note].note.text;
        if (run_->kind == RunKind::Outside)
            text = Addresses(run_->first, run_->last) + (one ? " is" : " are") + " outside the " +
                   ModeName(mode_) + " font's map (" + ControllerMapText(mode_) + "): ignored";
        else
            text = Addresses(run_->first, run_->last) + " (" + Which(run_->first, run_->last) + ")" +
                   (one ? " is" : " are") + " written again; line " + std::to_string(run_->firstWriter) +
                   (one ? " wrote it first" : " wrote them first");
        run_.reset();
    }

    void NoteMissingRuns() {
        for (const MapBlock& block : ControllerMap(mode_)) {
            std::uint32_t address = block.base;
            while (address < block.End()) {
                if (WrittenOn(address) != 0) {
                    ++address;
                    continue;
                }
                const std::uint32_t first = address;
                while (address < block.End() && WrittenOn(address) == 0) ++address;
                result_.notes.push_back(
                    {{0, Addresses(first, address - 1) + " (" + Which(first, address - 1) + ")" +
                             (first == address - 1 ? " is" : " are") +
                             " missing from the HEX file; a blank font's bytes stand in"},
                     true});
            }
        }
    }

    // The bytes at first..last as a user knows them.
    std::string Which(std::uint32_t first, std::uint32_t last) const {
        if (first == last) return DescribeMappedByte(mode_, At(first));
        return MappedByteName(mode_, At(first)) + " to " + MappedByteName(mode_, At(last));
    }

    MappedByte At(std::uint32_t address) const { return *FontByteAt(result_.font, mode_, address); }
    // The line that first wrote an address of the map, 0 while none has.
    long& WrittenOn(std::uint32_t address) { return writtenOn_[address - firstAddress_]; }

    FontMode mode_;
    std::uint32_t firstAddress_;
    std::vector<long> writtenOn_;  // by address from firstAddress_, over the whole map
    HexFont result_;
    std::optional<AddressRun> run_;  // the run of addresses going on
};

}  // namespace

HexFontsHeld FontsInHexImage(std::string_view hexText) {
    FontsHeldReader reader;
    ReadHexImage(hexText, reader);
    return reader.held;
}

bool HexFont::HasProblems() const {
    return std::any_of(notes.begin(), notes.end(), [](const HexNote& n) { return n.isProblem; });
}

HexFont FontFromHexImage(std::string_view hexText, FontMode mode) {
    return HexFontCollector(mode).Run(hexText);
}

}  // namespace ledfont

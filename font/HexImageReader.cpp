#include "HexImageReader.h"

#include "IntelHexRecord.h"

namespace ledfont {
namespace {

// Walks the records of a HEX file in order, keeping the address base.
class HexImageWalk {
public:
    explicit HexImageWalk(HexImageVisitor& visitor) : visitor_(visitor) {}

    void Run(std::string_view text) {
        std::size_t at = 0;
        while (at < text.size()) {
            const std::size_t end = text.find('\n', at);
            std::string_view line = text.substr(at, end == std::string_view::npos ? end : end - at);
            at = end == std::string_view::npos ? text.size() : end + 1;
            if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
            ++lineNo_;
            if (!ReadLine(line)) return;
        }
        if (!ended_) visitor_.OnProblem({0, "no end record (:00000001FF); the file may be cut short"});
    }

private:
    bool ReadLine(std::string_view line) {
        if (ended_) {
            visitor_.OnProblem({lineNo_, "a line after the end record"});
            return false;
        }
        HexRecord record;
        if (std::string problem = ParseHexRecord(line, record); !problem.empty())
            return visitor_.OnProblem({lineNo_, std::move(problem)});
        switch (record.type) {
            case HexRecordType::Data:
                return ReadData(record);
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
        return true;
    }

    static std::uint32_t Word(const HexRecord& record) {
        return static_cast<std::uint32_t>(record.data[0] * 256 + record.data[1]);
    }

    bool ReadData(const HexRecord& record) {
        for (std::size_t i = 0; i < record.data.size(); ++i) {
            const std::uint32_t address = base_ + ((record.offset + i) & 0xFFFFu);
            if (!visitor_.OnByte(address, record.data[i], lineNo_)) return false;
        }
        return true;
    }

    HexImageVisitor& visitor_;
    long lineNo_ = 0;
    std::uint32_t base_ = 0;
    bool ended_ = false;
};

}  // namespace

void ReadHexImage(std::string_view text, HexImageVisitor& visitor) { HexImageWalk(visitor).Run(text); }

}  // namespace ledfont

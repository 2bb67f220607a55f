#include "FontCheck.h"

#include <algorithm>
#include <map>
#include <utility>

#include "HexText.h"
#include "GlyphLimits.h"
#include "GlyphRecord.h"

namespace ledfont {
namespace {

std::string ColumnRange() { return std::to_string(kFewestColumns) + ".." + std::to_string(kMostColumns); }

// Finds the problems of one font, in file order.
class FontChecker {
public:
    FontChecker(const FontState& font, FontMode mode, const LoadReport& seen)
        : records_(font.FontBytes), codes_(font.JuktaCodes), mode_(mode), lines_(seen.lines), seen_(seen) {}

    std::vector<FontFinding> Run() {
        for (int c = 0; c < GlyphCount(mode_); ++c) CheckRecord(c);
        if (mode_ == FontMode::Jukta)
            for (int c = 0; c < GlyphCount(mode_); ++c) CheckCodePair(c);
        CheckItemsAfter();
        return std::move(findings_);
    }

private:
    void CheckRecord(int c) {
        const GlyphView record(records_, c);
        const int n = record.ColumnCount();
        const bool countShown = IsShownColumnCount(n);
        if (!countShown) Add(c, c * kRecordBytes, "column count " + std::to_string(n) + " is outside " + ColumnRange());
        if (!IsShownClass(record.Class()))
            Add(c, c * kRecordBytes + 1, "class " + std::to_string(record.Class()) + " is outside 0.." + std::to_string(kLastClass));
        CheckCentre(c, record.CentreColumn(), n, countShown);
        // An ikaar's arc is meant to reach over the cluster after it.
        if (record.Class() != static_cast<int>(GlyphClass::Ikaar)) CheckCellsRightOf(c, record, n);
    }

    void CheckCentre(int c, int centre, int n, bool countShown) {
        const int item = c * kRecordBytes + 1;
        if (!IsShownCentre(centre))
            Add(c, item,
                "centre column " + std::to_string(centre) + " is outside " + std::to_string(kFirstCentre) + ".." +
                    std::to_string(kLastCentre));
        else if (countShown && centre > n)
            Add(c, item,
                "centre column " + std::to_string(centre) + " is right of the column count " +
                    std::to_string(n));
    }

    void CheckCellsRightOf(int c, const GlyphView& record, int n) {
        std::string columns;
        int firstItem = -1;
        for (int x = std::max(n, 0); x < kMostColumns; ++x) {
            const int y = FirstLitRow(record, x);
            if (y < 0) continue;
            if (firstItem < 0) firstItem = c * kRecordBytes + GlyphView::CellByte(x, y);
            columns += (columns.empty() ? "" : ", ") + std::to_string(x + 1);
        }
        if (firstItem >= 0)
            Add(c, firstItem,
                "lit cells right of the column count " + std::to_string(n) + ", in column" +
                    (columns.find(',') == std::string::npos ? " " : "s ") + columns);
    }

    static int FirstLitRow(const GlyphView& record, int x) {
        for (int y = 0; y < kGridSide; ++y)
            if (record.IsLit(x, y)) return y;
        return -1;
    }

    void CheckCodePair(int c) {
        const std::pair<Byte, Byte> pair{codes_(c, 0), codes_(c, 1)};
        const int item = CodePairItem(c, 0);
        const std::string shown = HexCh(pair.first) + " " + HexCh(pair.second);
        if (pair.first == 0 && pair.second == 0) {
            Add(c, item, "code pair 00 00 is empty");
            return;
        }
        const auto [earlier, isNew] = pairOwners_.try_emplace(pair, c);
        if (!isNew)
            Add(c, item,
                "code pair " + shown + " is also the code pair of " + GlyphNameText(mode_, earlier->second));
    }

    void CheckItemsAfter() {
        if (seen_.itemsAfter == 0) return;
        const long n = seen_.itemsAfter;
        findings_.push_back({seen_.firstLineAfter, std::to_string(n) + (n == 1 ? " item" : " items") +
                                                       " after the " + std::to_string(FileItemCount(mode_)) +
                                                       " that a " + ModeName(mode_) +
                                                       " font holds: Load ignores them and Save drops them"});
    }

    void Add(int c, int item, const std::string& problem) {
        findings_.push_back(
            {lines_.at(static_cast<std::size_t>(item)), GlyphNameText(mode_, c) + ": " + problem});
    }

    const FontTable& records_;
    const CodeTable& codes_;
    FontMode mode_;
    const ItemLines& lines_;
    const LoadReport& seen_;
    std::map<std::pair<Byte, Byte>, int> pairOwners_;
    std::vector<FontFinding> findings_;
};

}  // namespace

std::vector<FontFinding> CheckFont(const FontState& font, FontMode mode, const LoadReport& seen) {
    return FontChecker(font, mode, seen).Run();
}

}  // namespace ledfont

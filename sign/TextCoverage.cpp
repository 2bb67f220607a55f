#include "TextCoverage.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>

#include "Devanagari.h"
#include "LineText.h"
#include "Utf8.h"
#include "sign_cluster.h"
#include "sign_compose.h"

namespace ledfont::sign {
namespace {

constexpr std::size_t kImageBytes = SIGN_JUKTA_CODES + 2 * SIGN_JUKTA_GLYPHS;

// The controller image of the fonts, read once: a text of a megabyte reads
// the code pairs millions of times.
struct Image {
    std::array<std::uint8_t, kImageBytes> bytes{};
    bool hasJukta = false;
};

int ReadImage(void* context, std::uint16_t offset, std::uint8_t* bytes, std::size_t count) {
    const auto& image = *static_cast<const Image*>(context);
    if (offset + count > image.bytes.size()) return 0;
    std::memcpy(bytes, image.bytes.data() + offset, count);
    return 1;
}

void ReadBlock(const SignFonts& core, Image& image, std::size_t begin, std::size_t size) {
    for (std::size_t at = begin; at < begin + size; at += SIGN_RECORD_BYTES) {
        const std::size_t count = std::min<std::size_t>(SIGN_RECORD_BYTES, begin + size - at);
        if (!core.read(core.context, static_cast<std::uint16_t>(at), image.bytes.data() + at, count))
            throw UnreadableFontsError();
    }
}

Image ImageOf(const LineFonts& fonts) {
    Image image;
    image.hasJukta = fonts.jukta != nullptr;
    const SignFonts core = fonts.Core();
    ReadBlock(core, image, SIGN_HINDI_RECORDS, SIGN_HINDI_GLYPHS * SIGN_RECORD_BYTES);
    if (!image.hasJukta) return image;
    ReadBlock(core, image, SIGN_JUKTA_RECORDS, SIGN_JUKTA_GLYPHS * SIGN_RECORD_BYTES);
    ReadBlock(core, image, SIGN_JUKTA_CODES, 2 * SIGN_JUKTA_GLYPHS);
    return image;
}

enum class Drawn { Intended, VisibleVirama, Missing, Blank, Placeholder };

// What each glyph of a font draws: missing (column count 0), blank (nothing lit) or fine.
Drawn RecordState(const Image& image, std::size_t offset) {
    const std::uint8_t columns = std::min<std::uint8_t>(image.bytes[offset], SIGN_GRID_SIDE);
    if (columns == 0) return Drawn::Missing;
    for (std::size_t i = 0; i < 2u * columns; ++i)
        if (image.bytes[offset + 2 + i] != 0xFF) return Drawn::Intended;
    return Drawn::Blank;
}

bool Composes(char32_t ch) { return ch == kSpace || IsDevanagari(ch) || sign_is_joiner(ch); }
bool IsWhite(char32_t ch) { return ch == kSpace || ch == '\t' || ch == '\n' || ch == '\r'; }

// Whether ch belongs to the cluster before it.
bool Continues(char32_t ch, char32_t before, char32_t beforeThat) {
    const bool afterVirama = before == SIGN_VIRAMA || (sign_is_joiner(before) && beforeThat == SIGN_VIRAMA);
    if (IsConsonant(ch)) return afterVirama;
    return sign_is_joiner(ch) || (ch >= 0x0900 && ch <= 0x0903) || (ch >= 0x093A && ch <= 0x094F) ||
           (ch >= 0x0951 && ch <= 0x0957) || ch == 0x0962 || ch == 0x0963;
}

class Measure {
public:
    explicit Measure(const LineFonts& fonts) : image_(ImageOf(fonts)) {
        core_ = {ReadImage, &image_, image_.hasJukta ? 1 : 0};
        for (std::size_t c = 0; c < SIGN_HINDI_GLYPHS; ++c)
            hindi_[c] = RecordState(image_, SIGN_HINDI_RECORDS + c * SIGN_RECORD_BYTES);
        for (std::size_t c = 0; c < SIGN_JUKTA_GLYPHS; ++c)
            jukta_[c] = image_.hasJukta ? RecordState(image_, SIGN_JUKTA_RECORDS + c * SIGN_RECORD_BYTES)
                                        : Drawn::Missing;
    }

    void Text(const std::u32string& text) {
        std::size_t at = 0;
        while (at < text.size()) {
            std::size_t end = at;
            while (end < text.size() && Composes(text[end])) ++end;
            if (end > at) Run(text.substr(at, end - at));
            if (end < text.size() && !IsWhite(text[end])) Placeholder(text[end]);
            at = end + 1;
        }
        // A site a glyph of the font does not join (a consonant a conjunct took) is not its to join.
        for (const PairWorth& worth : RankPairs(unjoined_, SIZE_MAX))
            if (!InFont(worth.pair) && result_.worthAdding.size() < kPairsWorthAdding)
                result_.worthAdding.push_back(worth);
    }

    TextCoverage Result() { return std::move(result_); }

private:
    bool InFont(const JuktaPair& pair) const {
        if (!image_.hasJukta) return false;
        for (std::size_t c = 0; c < SIGN_JUKTA_GLYPHS; ++c)
            if (image_.bytes[SIGN_JUKTA_CODES + 2 * c] == pair.first &&
                image_.bytes[SIGN_JUKTA_CODES + 2 * c + 1] == pair.second)
                return true;
        return false;
    }

    void Placeholder(char32_t ch) {
        ++result_.characters;
        ++result_.clusters;
        Tell(result_.placeholder, std::u32string(1, ch));
    }

    void Run(const std::u32string& run) {
        std::vector<Drawn> drawn(run.size(), Drawn::Intended);
        Compose(run, drawn);
        for (std::size_t begin = 0; begin < run.size();) {
            if (run[begin] == kSpace) {
                ++begin;
                continue;
            }
            std::size_t end = begin + 1;
            while (end < run.size() && Continues(run[end], run[end - 1], end >= 2 ? run[end - 2] : 0)) ++end;
            Cluster(run, begin, end, drawn);
            begin = end;
        }
    }

    void Compose(const std::u32string& run, std::vector<Drawn>& drawn) {
        const std::vector<std::uint32_t> points(run.begin(), run.end());
        glyphs_.resize(points.size());
        SignLine line{};
        line.glyphs = glyphs_.data();
        line.glyph_capacity = glyphs_.size();
        if (sign_compose(&core_, points.data(), points.size(), 0, &line) != SIGN_OK)
            throw UnreadableFontsError();
        std::vector<bool> viramaSeen(run.size(), false);
        for (std::size_t i = 0; i < line.glyph_count; ++i) {
            const SignGlyph& glyph = glyphs_[i];
            const bool hindi = glyph.font == SIGN_HINDI;
            if (hindi && glyph.glyph == SIGN_VIRAMA_CODE) viramaSeen[glyph.character] = true;
            const Drawn state = hindi ? hindi_[glyph.glyph] : jukta_[glyph.glyph];
            if (state != Drawn::Intended) drawn[glyph.character] = state;
        }
        for (const JoinSite& site : FindJoinSites(run)) {
            if (PairsThatJoin(site).empty()) continue;
            ++result_.joinSites;
            if (!viramaSeen[site.virama]) {
                ++result_.joinSitesJoined;
                continue;
            }
            unjoined_.push_back(site);
            for (std::size_t k = site.begin; k < site.end; ++k)
                if (drawn[k] == Drawn::Intended) drawn[k] = Drawn::VisibleVirama;
        }
    }

    void Cluster(const std::u32string& run, std::size_t begin, std::size_t end,
                 const std::vector<Drawn>& drawn) {
        ++result_.clusters;
        result_.characters += end - begin;
        std::size_t intended = 0;
        Drawn worst = Drawn::Intended;
        for (std::size_t k = begin; k < end; ++k) {
            if (drawn[k] == Drawn::Intended)
                ++intended;
            else if (worst == Drawn::Intended)
                worst = drawn[k];
        }
        result_.charactersIntended += intended;
        if (worst == Drawn::Intended) {
            ++result_.clustersIntended;
            return;
        }
        const std::u32string text = run.substr(begin, end - begin);
        Tell(worst == Drawn::VisibleVirama ? result_.visibleVirama
             : worst == Drawn::Missing     ? result_.missingGlyph
                                           : result_.blankGlyph,
             text);
    }

    static void Tell(Fallback& fallback, const std::u32string& cluster) {
        ++fallback.clusters;
        if (fallback.examples.size() >= kFallbackExamples) return;
        const std::string text = EncodeUtf8(cluster);
        if (std::find(fallback.examples.begin(), fallback.examples.end(), text) == fallback.examples.end())
            fallback.examples.push_back(text);
    }

    Image image_;
    SignFonts core_{};
    std::array<Drawn, SIGN_HINDI_GLYPHS> hindi_{};
    std::array<Drawn, SIGN_JUKTA_GLYPHS> jukta_{};
    std::vector<SignGlyph> glyphs_;
    std::vector<JoinSite> unjoined_;
    TextCoverage result_;
};

}  // namespace

TextCoverage MeasureCoverage(std::string_view utf8, const LineFonts& fonts) {
    Measure measure(fonts);
    measure.Text(DecodeLineText(utf8));
    return measure.Result();
}

}  // namespace ledfont::sign

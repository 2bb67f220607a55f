#include "ConjunctList.h"

#include <algorithm>
#include <optional>
#include <tuple>

#include "Devanagari.h"
#include "Error.h"
#include "FontMode.h"
#include "HexText.h"
#include "MessageText.h"
#include "ReadableFile.h"
#include "Utf8.h"
#include "sign_cluster.h"

namespace ledfont::cli {
namespace {

constexpr std::size_t kLargestList = 1 << 20;

// Devanagari, and the joiners that ask for a half form or a visible virama.
bool BelongsInAConjunct(char32_t cp) {
    return (cp >= 0x0900 && cp <= 0x097F) || cp == 0x200C || cp == 0x200D;
}

// UTF-8 text as a message quotes it: control characters as '?'.
std::string Quoted(std::string_view text) {
    std::string out = "\"";
    for (char ch : text) out += (static_cast<unsigned char>(ch) < 0x20 || ch == 0x7F) ? '?' : ch;
    return out + "\"";
}

std::vector<std::string_view> Words(std::string_view line) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    while (true) {
        at = line.find_first_not_of(" \t", at);
        if (at == std::string_view::npos) return words;
        const std::size_t end = std::min(line.find_first_of(" \t", at), line.size());
        words.push_back(line.substr(at, end - at));
        at = end;
    }
}

class ListReader {
public:
    explicit ListReader(const std::string& name) : name_(name) {}

    void Line(std::string_view line) {
        ++line_;
        if (line_ == 1 && line.starts_with("\xEF\xBB\xBF")) line.remove_prefix(3);
        if (line.ends_with('\r')) line.remove_suffix(1);
        const std::vector<std::string_view> words = Words(line);
        if (words.empty() || words[0].starts_with('#')) return;
        if (list_.size() == static_cast<std::size_t>(GlyphCount(FontMode::Jukta)))
            throw MakeError<InvalidPropertyError>(
                Where() + " is conjunct " + std::to_string(list_.size() + 1) +
                ", and a Jukta font holds at most " + std::to_string(GlyphCount(FontMode::Jukta)));
        if (!sign::DecodeUtf8(line)) throw MakeError<TypeMismatchError>(Where() + " is not UTF-8 text");
        list_.push_back(Read(words, line));
    }

    std::vector<Conjunct> Finish() {
        if (list_.empty()) throw MakeError<InvalidPropertyError>(QuotedName() + " holds no conjunct");
        return std::move(list_);
    }

private:
    Conjunct Read(const std::vector<std::string_view>& words, std::string_view line) const {
        if (words.size() != 1 && words.size() != 3)
            throw MakeError<TypeMismatchError>(Where() + " holds " + Quoted(Trimmed(line)) +
                                               ", not a conjunct alone or followed by its two code bytes");
        const std::u32string text = *sign::DecodeUtf8(words[0]);
        for (char32_t cp : text)
            if (!BelongsInAConjunct(cp))
                throw MakeError<TypeMismatchError>(Where() + " holds " + Quoted(words[0]) +
                                                   ", which is not Devanagari text");
        Conjunct conjunct{std::string(words[0]), line_, 0, 0, KindOf(text)};
        if (words.size() == 3) {
            conjunct.first = CodeByte(words[1]);
            conjunct.second = CodeByte(words[2]);
        } else {
            const auto pair = DefaultCodePair(text);
            if (!pair)
                throw MakeError<InvalidPropertyError>(Where() + " holds " + Quoted(words[0]) +
                                                      ", which is neither a conjunct of two consonants nor "
                                                      "a half form: give its two code bytes");
            std::tie(conjunct.first, conjunct.second) = *pair;
        }
        return conjunct;
    }

    Byte CodeByte(std::string_view word) const {
        int value = 0;
        bool ok = !word.empty() && word.size() <= 2;
        for (char ch : word) {
            const int digit = DigitValue(ch);
            ok = ok && digit >= 0;
            value = value * 16 + digit;
        }
        if (!ok)
            throw MakeError<TypeMismatchError>(Where() + " holds " + QuotedForMessage(word) +
                                               ", not a code byte (hexadecimal, 00 to FF)");
        return static_cast<Byte>(value);
    }

    static std::string_view Trimmed(std::string_view line) {
        const std::size_t first = line.find_first_not_of(" \t");
        const std::size_t last = line.find_last_not_of(" \t");
        return line.substr(first, last - first + 1);
    }

    // "line 2 of \"list.txt\"", as the font file's messages name a line.
    std::string Where() const { return "line " + std::to_string(line_) + " of " + QuotedName(); }
    std::string QuotedName() const { return '"' + name_ + '"'; }

    const std::string& name_;
    long line_ = 0;
    std::vector<Conjunct> list_;
};

}  // namespace

namespace {

// The code bytes of the consonants of text, each with its nukta.
std::vector<Byte> ConsonantCodes(const std::u32string& text) {
    std::vector<Byte> codes;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (!sign::IsConsonant(text[i])) continue;
        const std::uint32_t ahead[2] = {text[i], i + 1 < text.size() ? text[i + 1] : 0};
        std::uint8_t code = 0;
        sign_consonant_code(ahead, 2, &code);
        codes.push_back(code);
    }
    return codes;
}

// One consonant (with its nukta) and a virama, a ZWJ after it or not.
bool IsOneConsonantAndAVirama(const std::u32string& text) {
    std::u32string rest = text;
    if (rest.ends_with(static_cast<char32_t>(SIGN_ZWJ))) rest.pop_back();
    if (!rest.ends_with(static_cast<char32_t>(SIGN_VIRAMA))) return false;
    rest.pop_back();
    if (rest.ends_with(static_cast<char32_t>(SIGN_NUKTA))) rest.pop_back();
    return rest.size() == 1 && sign::IsConsonant(rest[0]);
}

bool IsRakar(const std::u32string& text) { return text == U"\u094D\u0930"; }

// े or ै, then ं or ँ.
bool IsSignPair(const std::u32string& text) {
    return text.size() == 2 && (text[0] == 0x0947 || text[0] == 0x0948) && (text[1] == 0x0901 || text[1] == 0x0902);
}

// One consonant (with its nukta) and ु ू ृ or ॄ.
bool IsConsonantAndVowelSignBelow(const std::u32string& text) {
    if (text.size() < 2 || text.back() < 0x0941 || text.back() > 0x0944) return false;
    std::u32string rest = text.substr(0, text.size() - 1);
    if (rest.ends_with(static_cast<char32_t>(SIGN_NUKTA))) rest.pop_back();
    return rest.size() == 1 && sign::IsConsonant(rest[0]);
}

}  // namespace

ConjunctKind KindOf(const std::u32string& text) {
    if (IsRakar(text)) return ConjunctKind::Rakar;
    if (IsSignPair(text)) return ConjunctKind::SignPair;
    if (IsConsonantAndVowelSignBelow(text)) return ConjunctKind::WithVowelSign;
    if (!IsOneConsonantAndAVirama(text)) return ConjunctKind::Conjunct;
    return ConsonantCodes(text).front() == SIGN_RA_CODE ? ConjunctKind::Reph : ConjunctKind::HalfForm;
}

std::optional<std::pair<Byte, Byte>> DefaultCodePair(const std::u32string& text) {
    if (IsRakar(text)) return std::pair{Byte{SIGN_VIRAMA_CODE}, Byte{SIGN_RA_CODE}};
    if (IsSignPair(text))
        return std::pair{static_cast<Byte>(text[0] - sign::kFirstDevanagari),
                         static_cast<Byte>(text[1] - sign::kFirstDevanagari)};
    const std::vector<Byte> codes = ConsonantCodes(text);
    if (IsConsonantAndVowelSignBelow(text))
        return std::pair{codes.front(), static_cast<Byte>(text.back() - sign::kFirstDevanagari)};
    if (IsOneConsonantAndAVirama(text)) return std::pair{codes.front(), Byte{SIGN_VIRAMA_CODE}};
    if (codes.size() < 2) return std::nullopt;
    return std::pair{codes.front(), codes.back()};
}

std::vector<Conjunct> ParseConjunctList(std::string_view text, const std::string& name) {
    ListReader reader(name);
    std::size_t at = 0;
    while (at < text.size()) {
        const std::size_t end = std::min(text.find('\n', at), text.size());
        reader.Line(text.substr(at, end - at));
        at = end + 1;
    }
    return reader.Finish();
}

std::vector<Conjunct> ReadConjunctList(const std::string& path) {
    return ParseConjunctList(ReadWholeFile(path, kLargestList), path);
}

}  // namespace ledfont::cli

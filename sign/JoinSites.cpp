#include "JoinSites.h"

#include "Devanagari.h"
#include "Utf8.h"
#include "sign_cluster.h"

namespace ledfont::sign {
namespace {

// The code byte of the consonant at text[at] and the characters it takes with its nukta.
std::size_t ConsonantCode(const std::u32string& text, std::size_t at, Byte& code) {
    const std::uint32_t ahead[2] = {text[at], at + 1 < text.size() ? text[at + 1] : 0};
    std::uint8_t byte = 0;
    const std::size_t length = sign_consonant_code(ahead, 2, &byte);
    code = byte;
    return length;
}

bool IsJoiner(char32_t ch) { return sign_is_joiner(ch) != 0; }

}  // namespace

std::vector<JoinSite> FindJoinSites(const std::u32string& text) {
    std::vector<JoinSite> sites;
    bool joinedBefore = false;  // the consonant at i follows a virama of its cluster
    for (std::size_t i = 0; i < text.size();) {
        if (!IsConsonant(text[i])) {
            joinedBefore = false;
            ++i;
            continue;
        }
        JoinSite site;
        site.begin = i;
        std::size_t at = i + ConsonantCode(text, i, site.first);
        const std::size_t next = at;
        site.rephPlace = !joinedBefore && text[i] == 0x0930;
        joinedBefore = false;
        if (at < text.size() && text[at] == SIGN_VIRAMA) {
            site.virama = at++;
            if (at < text.size() && IsJoiner(text[at])) site.joiner = text[at++];
            if (at < text.size() && IsConsonant(text[at])) {
                site.end = at + ConsonantCode(text, at, site.second);
                sites.push_back(site);
                joinedBefore = true;
                i = at;
                continue;
            }
        }
        i = next;
    }
    return sites;
}

bool JuktaPair::IsReph() const { return first == SIGN_RA_CODE && second == SIGN_VIRAMA_CODE; }
bool JuktaPair::IsHalfForm() const { return second == SIGN_VIRAMA_CODE && !IsReph(); }

std::string JuktaPair::Text() const {
    std::u32string text{static_cast<char32_t>(kFirstDevanagari + first), static_cast<char32_t>(SIGN_VIRAMA)};
    if (second != SIGN_VIRAMA_CODE) text += static_cast<char32_t>(kFirstDevanagari + second);
    return EncodeUtf8(text);
}

std::vector<JuktaPair> PairsThatJoin(const JoinSite& site) {
    if (site.joiner == SIGN_ZWNJ) return {};
    const bool ra = site.first == SIGN_RA_CODE;
    if (site.joiner == SIGN_ZWJ)
        return ra ? std::vector<JuktaPair>{} : std::vector<JuktaPair>{{site.first, SIGN_VIRAMA_CODE}};
    std::vector<JuktaPair> pairs{{site.first, site.second}};
    if (!ra) pairs.push_back({site.first, SIGN_VIRAMA_CODE});
    if (site.rephPlace) pairs.push_back({SIGN_RA_CODE, SIGN_VIRAMA_CODE});
    return pairs;
}

}  // namespace ledfont::sign

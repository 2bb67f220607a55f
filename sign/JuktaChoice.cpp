#include "JuktaChoice.h"

#include <algorithm>
#include <map>
#include <optional>

namespace ledfont::sign {
namespace {

// Sites that the same glyphs would join, counted together.
struct SiteGroup {
    std::vector<JuktaPair> pairs;  // PairsThatJoin, best first
    std::size_t count = 0;
    bool joined = false;
    bool byConjunct = false;
};

std::vector<SiteGroup> GroupOf(const std::vector<JoinSite>& sites) {
    std::map<std::vector<JuktaPair>, std::size_t> counts;
    for (const JoinSite& site : sites)
        if (std::vector<JuktaPair> pairs = PairsThatJoin(site); !pairs.empty()) ++counts[std::move(pairs)];
    std::vector<SiteGroup> groups;
    for (auto& [pairs, count] : counts) groups.push_back({pairs, count});
    return groups;
}

bool Has(const std::vector<JuktaPair>& pairs, const JuktaPair& pair) {
    return std::find(pairs.begin(), pairs.end(), pair) != pairs.end();
}

// Of two that join as many, a half form or the reph before a conjunct: in
// another text it serves clusters this one lacks. Then by code.
bool Better(const PairWorth& a, const PairWorth& b) {
    if (a.sites != b.sites) return a.sites > b.sites;
    const auto rank = [](const JuktaPair& p) { return p.IsHalfForm() ? 0 : p.IsReph() ? 1 : 2; };
    if (rank(a.pair) != rank(b.pair)) return rank(a.pair) < rank(b.pair);
    return a.pair < b.pair;
}

std::vector<PairWorth> Ranked(const std::vector<SiteGroup>& groups) {
    std::map<JuktaPair, std::size_t> worth;
    for (const SiteGroup& group : groups)
        if (!group.joined)
            for (const JuktaPair& pair : group.pairs) worth[pair] += group.count;
    std::vector<PairWorth> ranked;
    for (const auto& [pair, sites] : worth) ranked.push_back({pair, sites});
    std::sort(ranked.begin(), ranked.end(), Better);
    return ranked;
}

void Join(std::vector<SiteGroup>& groups, const JuktaPair& chosen) {
    for (SiteGroup& group : groups) {
        if (group.pairs.front() == chosen) group.byConjunct = true;
        if (Has(group.pairs, chosen)) group.joined = true;
    }
}

// The conjunct worth most to the sites a half form joins.
std::optional<JuktaPair> BestConjunctForHalfForms(const std::vector<SiteGroup>& groups) {
    std::map<JuktaPair, std::size_t> worth;
    for (const SiteGroup& group : groups)
        if (group.joined && !group.byConjunct && group.pairs.size() > 1 && !Has(group.pairs, {0x30, 0x4D}))
            worth[group.pairs.front()] += group.count;
    std::optional<PairWorth> best;
    for (const auto& [pair, sites] : worth)
        if (!best || Better({pair, sites}, *best)) best = PairWorth{pair, sites};
    if (!best) return std::nullopt;
    return best->pair;
}

}  // namespace

std::vector<PairWorth> RankPairs(const std::vector<JoinSite>& sites, std::size_t most) {
    std::vector<PairWorth> ranked = Ranked(GroupOf(sites));
    if (ranked.size() > most) ranked.resize(most);
    return ranked;
}

std::vector<JuktaPair> ChooseJuktaPairs(const std::vector<JoinSite>& sites, std::size_t slots) {
    std::vector<SiteGroup> groups = GroupOf(sites);
    std::vector<JuktaPair> chosen;
    while (chosen.size() < slots) {
        const std::vector<PairWorth> ranked = Ranked(groups);
        if (ranked.empty()) break;
        chosen.push_back(ranked.front().pair);
        Join(groups, ranked.front().pair);
    }
    while (chosen.size() < slots) {
        const std::optional<JuktaPair> conjunct = BestConjunctForHalfForms(groups);
        if (!conjunct) break;
        chosen.push_back(*conjunct);
        Join(groups, *conjunct);
    }
    return chosen;
}

JoinCount CountJoined(const std::vector<JoinSite>& sites, const std::vector<JuktaPair>& pairs) {
    JoinCount count;
    for (const JoinSite& site : sites) {
        const std::vector<JuktaPair> joining = PairsThatJoin(site);
        if (joining.empty()) continue;
        ++count.joinable;
        if (std::any_of(joining.begin(), joining.end(), [&](const JuktaPair& p) { return Has(pairs, p); }))
            ++count.joined;
    }
    return count;
}

}  // namespace ledfont::sign

#include "places/PlaceSearch.h"

#include "places/PlaceKey.h"

#include <QStringMatcher>

#include <algorithm>

namespace {

// The quality of a name whose key holds `key` first at `at`.
MatchQuality qualityAt(const PlaceIndex &index, std::uint32_t name, qsizetype at, QStringView key)
{
    const qsizetype length = index.keyLength(name);
    if (at == 0)
        return length == key.size() ? MatchQuality::Whole : MatchQuality::Start;
    const QStringView own = index.keys().mid(index.keyStart(name), length);
    const std::uint64_t starts = index.wordStarts(name);
    for (qsizetype i = at; i + key.size() <= length && i < 64; ++i)
        if ((starts >> i) & 1U && own.mid(i, key.size()) == key)
            return MatchQuality::WordStart;
    return MatchQuality::Inside;
}

} // namespace

std::optional<std::uint16_t> FindCountry(const PlaceIndex &index, const QString &country)
{
    const QStringList codes = index.countryCodes(), names = index.countryNames();
    for (qsizetype c = 0; c < codes.size(); ++c)
        if (codes[c].compare(country.trimmed(), Qt::CaseInsensitive) == 0 || names[c].compare(country.trimmed(), Qt::CaseInsensitive) == 0)
            return std::uint16_t(c);
    return std::nullopt;
}

std::vector<PlaceMatch> FindPlaces(const PlaceIndex &index, QStringView text, const QString &country, std::size_t limit)
{
    const QString key = FoldPlaceName(text).key;
    std::optional<std::uint16_t> onlyCountry;
    if (!country.isEmpty() && !(onlyCountry = FindCountry(index, country)))
        return {};
    if (key.isEmpty() || key.size() > index.keys().size())
        return {};
    // One pass over the keys: after a name's first hit the search goes on at
    // the next name, and the name's own word starts are looked at directly.
    std::vector<PlaceMatch> best(index.placeCount(), PlaceMatch{0, 0, MatchQuality(255)});
    const QStringMatcher matcher(key, Qt::CaseSensitive);
    const QStringView keys = index.keys();
    std::uint32_t name = 0;
    for (qsizetype at = matcher.indexIn(keys, 0); at >= 0; at = matcher.indexIn(keys, at)) {
        while (index.keyStart(name) + index.keyLength(name) < at)
            ++name;
        const std::uint32_t place = index.placeOfName(name);
        const MatchQuality quality = qualityAt(index, name, at - index.keyStart(name), key);
        if ((!onlyCountry || index.countryOf(place) == *onlyCountry) && quality < best[place].quality)
            best[place] = {place, name, quality};
        at = qsizetype(index.keyStart(name)) + index.keyLength(name) + 1;
        if (++name >= index.nameCount())
            break;
    }
    std::vector<PlaceMatch> found;
    for (const PlaceMatch &m : best)
        if (m.quality != MatchQuality(255))
            found.push_back(m);
    const auto better = [&index](const PlaceMatch &a, const PlaceMatch &b) {
        if (a.quality != b.quality)
            return a.quality < b.quality;
        if (index.population(a.place) != index.population(b.place))
            return index.population(a.place) > index.population(b.place);
        return a.place < b.place;
    };
    const std::size_t kept = limit == 0 ? found.size() : std::min(limit, found.size());
    std::partial_sort(found.begin(), found.begin() + std::ptrdiff_t(kept), found.end(), better);
    found.resize(kept);
    return found;
}

PlaceChoice ChoosePlace(const PlaceIndex &index, QStringView text, const QString &country)
{
    const std::vector<PlaceMatch> matches = FindPlaces(index, text, country, 0);
    std::vector<PlaceMatch> whole;
    for (const PlaceMatch &m : matches)
        if (m.quality == MatchQuality::Whole)
            whole.push_back(m);
    // A town and the district or province named after it: the town.
    if (std::any_of(whole.begin(), whole.end(), [&index](const PlaceMatch &m) { return index.place(m.place).kind == PlaceKind::Place; }))
        std::erase_if(whole, [&index](const PlaceMatch &m) { return index.place(m.place).kind != PlaceKind::Place; });
    PlaceChoice choice;
    if (whole.size() == 1 || (whole.empty() && matches.size() == 1)) {
        choice.place = whole.empty() ? matches.front().place : whole.front().place;
        return choice;
    }
    const std::vector<PlaceMatch> &listed = whole.empty() ? matches : whole;
    choice.candidates.assign(listed.begin(), listed.begin() + std::ptrdiff_t(std::min<std::size_t>(10, listed.size())));
    return choice;
}

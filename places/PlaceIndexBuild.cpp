#include "places/PlaceIndex.h"

#include "base/Error.h"
#include "places/PlaceKey.h"

#include <QHash>

#include <algorithm>

// Fills the tables of an index from its entries: each distinct text stored
// once, the countries numbered in order of first use, and every distinct name
// of a place (main first) given its folded key.
class PlaceIndexBuilder {
public:
    explicit PlaceIndexBuilder(PlaceIndex &index) : m_index(index) {}

    std::uint32_t text(const QString &t)
    {
        const auto found = m_texts.constFind(t);
        if (found != m_texts.constEnd())
            return *found;
        const auto number = std::uint32_t(m_index.m_texts.size());
        m_index.m_texts.push_back({std::uint32_t(m_index.m_textPool.size()), std::uint32_t(t.size())});
        m_index.m_textPool += t;
        m_texts.insert(t, number);
        return number;
    }
    std::uint32_t optionalText(const QString &t) { return t.isEmpty() ? PlaceIndex::NoText : text(t); }

    std::uint16_t country(const Place &p)
    {
        const auto found = m_countries.constFind(p.countryCode);
        if (found != m_countries.constEnd())
            return *found;
        if (m_index.m_countries.size() >= 0xFFFF)
            throw Error(QStringLiteral("The place index takes at most 65535 countries."));
        const auto number = std::uint16_t(m_index.m_countries.size());
        m_index.m_countries.push_back({text(p.countryCode), text(p.country)});
        m_countries.insert(p.countryCode, number);
        return number;
    }

    void add(const PlaceIndex::Entry &entry)
    {
        const Place &p = entry.place;
        const auto number = std::uint32_t(m_index.m_places.size());
        m_index.m_places.push_back({p.lon, p.lat, p.population, text(p.name), optionalText(p.district), optionalText(p.province),
                                    country(p), std::uint8_t(p.kind), 0, 0});
        QStringList names{p.name};
        names += entry.alternates;
        names.removeDuplicates();
        QStringList keys;
        for (const QString &name : names) {
            const PlaceKey key = FoldPlaceName(name);
            // A name that folds to nothing, or to a key the place has already, adds nothing.
            if (key.key.isEmpty() || keys.contains(key.key))
                continue;
            keys << key.key;
            m_index.m_names.push_back({number, text(name), std::uint32_t(m_index.m_keys.size()), std::uint32_t(key.key.size()),
                                       key.wordStarts});
            m_index.m_keys += key.key;
            m_index.m_keys += PlaceIndex::NameEnd;
        }
    }

private:
    PlaceIndex &m_index;
    QHash<QString, std::uint32_t> m_texts;
    QHash<QString, std::uint16_t> m_countries;
};

PlaceIndex PlaceIndex::build(const std::vector<Entry> &entries)
{
    PlaceIndex index;
    PlaceIndexBuilder builder(index);
    for (const Entry &entry : entries)
        builder.add(entry);
    return index;
}

#include "places/PlaceIndex.h"

#include "base/ApplicationFolder.h"
#include "base/Error.h"

#include <QDateTime>
#include <QFileInfo>
#include <QMap>

#include <mutex>
#include <variant>

QString PlaceKindText(PlaceKind kind)
{
    switch (kind) {
    case PlaceKind::District: return QStringLiteral("district");
    case PlaceKind::Province: return QStringLiteral("province");
    default: return QStringLiteral("place");
    }
}

QString PlaceIndex::text(std::uint32_t t) const
{
    if (t == NoText)
        return {};
    return m_textPool.mid(m_texts[t].offset, m_texts[t].length);
}

Place PlaceIndex::place(std::uint32_t i) const
{
    const PlaceRecord &r = m_places[i];
    Place p;
    p.name = text(r.name);
    p.kind = PlaceKind(r.kind);
    p.district = text(r.district);
    p.province = text(r.province);
    p.countryCode = text(m_countries[r.country].code);
    p.country = text(m_countries[r.country].name);
    p.lon = r.lon;
    p.lat = r.lat;
    p.population = r.population;
    return p;
}

QString PlaceIndex::nameText(std::uint32_t name) const { return text(m_names[name].text); }

QStringList PlaceIndex::countryCodes() const
{
    QStringList codes;
    for (const CountryRecord &c : m_countries)
        codes << text(c.code);
    return codes;
}

QStringList PlaceIndex::countryNames() const
{
    QStringList names;
    for (const CountryRecord &c : m_countries)
        names << text(c.name);
    return names;
}

std::shared_ptr<const PlaceIndex> PlaceIndex::application()
{
    // Each folder's index (or the reason it cannot be read) is kept while the
    // file stays as it was, so a window asking at every keystroke reads it once.
    using Loaded = std::variant<std::shared_ptr<const PlaceIndex>, Error>;
    static std::mutex lock;
    static QMap<QString, Loaded> loaded;
    const QString path = ApplicationPath(QStringLiteral("\\ShapeFiles\\places.idx"));
    const QFileInfo file(path);
    const QString key = QStringLiteral("%1\n%2\n%3").arg(path).arg(file.size()).arg(file.lastModified().toMSecsSinceEpoch());
    std::lock_guard guard(lock);
    auto found = loaded.find(key);
    if (found == loaded.end()) {
        try {
            found = loaded.insert(key, std::make_shared<const PlaceIndex>(read(path)));
        } catch (const Error &e) {
            found = loaded.insert(key, e);
        }
    }
    if (const auto *error = std::get_if<Error>(&*found))
        throw *error;
    return std::get<std::shared_ptr<const PlaceIndex>>(*found);
}

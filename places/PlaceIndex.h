#pragma once
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

// What a place of the index is: a populated place, or a second- or
// first-level division placed at its seat.
enum class PlaceKind : std::uint8_t { Place = 0, District = 1, Province = 2 };
// "place", "district", "province".
QString PlaceKindText(PlaceKind kind);

// One place as the index gives it.
struct Place {
    QString name;
    PlaceKind kind = PlaceKind::Place;
    QString district, province; // empty where unknown
    QString countryCode, country;
    double lon = 0, lat = 0;
    std::uint32_t population = 0;
};

// The compact place index of the application folder: every place with its
// names (main and alternate), each name also kept folded for search
// (PlaceKey) so that a search folds only what the user types. The file is
// written once by the data tool and read whole at start; every offset and
// count in it is checked on reading, so a damaged file is refused, never read
// past its end.
class PlaceIndex {
public:
    // A place to be written, with every name it may be found by.
    struct Entry {
        Place place;
        QStringList alternates;
    };
    static PlaceIndex build(const std::vector<Entry> &entries);

    // Throws Error naming the file and the reason (missing, truncated, damaged).
    static PlaceIndex read(const QString &path);
    // Throws Error naming the file when it cannot be written.
    void write(const QString &path) const;
    // The index of the application folder (ShapeFiles/places.idx), read once
    // per folder; throws Error as read does, every time it is asked.
    static std::shared_ptr<const PlaceIndex> application();

    std::uint32_t placeCount() const { return std::uint32_t(m_places.size()); }
    std::uint32_t nameCount() const { return std::uint32_t(m_names.size()); }
    Place place(std::uint32_t i) const;
    // The name a search matched (a place's main or alternate name).
    QString nameText(std::uint32_t name) const;
    std::uint32_t placeOfName(std::uint32_t name) const { return m_names[name].place; }
    std::uint32_t population(std::uint32_t place) const { return m_places[place].population; }
    std::uint16_t countryOf(std::uint32_t place) const { return m_places[place].country; }
    // The country codes and names, by country number.
    QStringList countryCodes() const;
    QStringList countryNames() const;

    // The folded names, one after another, each followed by NameEnd, in name
    // order; a name's key starts at keyStart(name).
    static constexpr QChar NameEnd = QChar(0x0001);
    QStringView keys() const { return m_keys; }
    std::uint32_t keyStart(std::uint32_t name) const { return m_names[name].keyStart; }
    std::uint32_t keyLength(std::uint32_t name) const { return m_names[name].keyLength; }
    std::uint64_t wordStarts(std::uint32_t name) const { return m_names[name].wordStarts; }

    // The records as they lie in the file (little-endian).
    struct PlaceRecord {
        double lon, lat;
        std::uint32_t population, name, district, province;
        std::uint16_t country;
        std::uint8_t kind, reserved;
        std::uint32_t reserved2;
    };
    struct NameRecord {
        std::uint32_t place, text, keyStart, keyLength;
        std::uint64_t wordStarts;
    };
    struct TextRecord {
        std::uint32_t offset, length;
    };
    struct CountryRecord {
        std::uint32_t code, name;
    };
    static constexpr std::uint32_t NoText = 0xFFFFFFFF;

private:
    QString text(std::uint32_t t) const;
    void check(const QString &path) const;

    std::vector<CountryRecord> m_countries;
    std::vector<PlaceRecord> m_places;
    std::vector<NameRecord> m_names;
    std::vector<TextRecord> m_texts;
    QString m_textPool;
    QString m_keys;
    friend class PlaceIndexBuilder;
};

// Place search on a small table of real names in several scripts, the index
// file read back whole or refused when damaged, and the bundled index.
#include "base/Error.h"
#include "places/PlaceSearch.h"
#include "tests/common/Files.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

namespace {

PlaceIndex::Entry entry(const char *name, PlaceKind kind, const char *province, const char *code, std::uint32_t population,
                        QStringList alternates = {})
{
    const Place p{QString::fromUtf8(name), kind, {}, QString::fromUtf8(province), QString::fromUtf8(code),
                  QStringLiteral("Country ") + QString::fromUtf8(code), 100, 10, population};
    return {p, alternates};
}

const PlaceIndex &smallIndex()
{
    static const PlaceIndex index = PlaceIndex::build({
        entry("Ðà Lạt", PlaceKind::Place, "Lâm Đồng", "VN", 197000, {"Da Lat", "Dalat", "Далат"}),
        entry("Chiang Mai", PlaceKind::Province, "Chiang Mai", "TH", 218301),
        entry("Chiang Mai", PlaceKind::Place, "Chiang Mai", "TH", 127240, {"Chiangmai", "เชียงใหม่"}),
        entry("Si Chiang Mai", PlaceKind::Place, "Nong Khai", "TH", 14068, {"ศรีเชียงใหม่"}),
        entry("Kabupaten Sleman", PlaceKind::District, "Yogyakarta", "ID", 357706),
        entry("Sleman", PlaceKind::Place, "Yogyakarta", "ID", 56215),
        entry("Phnom Penh", PlaceKind::Place, "Phnom Penh", "KH", 1573544, {"ភ្នំពេញ"}),
        entry("Yangon", PlaceKind::Place, "Yangon", "MM", 4477638, {"Rangoon", "ရန်ကုန်"}),
        entry("San Jose", PlaceKind::Place, "Mimaropa", "PH", 143430),
        entry("San Jose", PlaceKind::Place, "Central Luzon", "PH", 38819),
        entry("Masantol", PlaceKind::Place, "Central Luzon", "PH", 2000), // "san" inside a word only
    });
    return index;
}

// Each match as "name/province".
QStringList found(const PlaceIndex &index, const std::vector<PlaceMatch> &matches)
{
    QStringList names;
    for (const PlaceMatch &m : matches)
        names << index.place(m.place).name + QLatin1Char('/') + index.place(m.place).province;
    return names;
}

struct SearchCase {
    const char *name;
    QString text;
    const char *country;
    QStringList expected;
};

class PlaceSearchTable : public ::testing::TestWithParam<SearchCase> {};

TEST_P(PlaceSearchTable, FindsRankedPlaces)
{
    const SearchCase &c = GetParam();
    EXPECT_EQ(found(smallIndex(), FindPlaces(smallIndex(), c.text, QString::fromUtf8(c.country))), c.expected);
}

const QStringList DaLat{QStringLiteral("Ðà Lạt/Lâm Đồng")};
const QStringList ChiangMai{QStringLiteral("Chiang Mai/Chiang Mai"), QStringLiteral("Chiang Mai/Chiang Mai"),
                            QStringLiteral("Si Chiang Mai/Nong Khai")};

INSTANTIATE_TEST_SUITE_P(
    Cases, PlaceSearchTable,
    ::testing::Values(
        SearchCase{"SpacedAscii", "da lat", "", DaLat}, SearchCase{"VietnameseMarks", "Đà Lạt", "", DaLat},
        SearchCase{"OneWord", "DALAT", "", DaLat}, SearchCase{"Cyrillic", "далат", "", DaLat},
        SearchCase{"WholeThenWordStartByPopulation", "chiang mai", "", ChiangMai},
        SearchCase{"ThaiScript", "เชียงใหม่", "", {"Chiang Mai/Chiang Mai", "Si Chiang Mai/Nong Khai"}},
        SearchCase{"KhmerScript", "ភ្នំពេញ", "", {"Phnom Penh/Phnom Penh"}},
        SearchCase{"MyanmarScript", "ရန်ကုန်", "", {"Yangon/Yangon"}},
        SearchCase{"WholeBeforeWordStart", "Sleman", "", {"Sleman/Yogyakarta", "Kabupaten Sleman/Yogyakarta"}},
        SearchCase{"StartBeforeInside", "san", "", {"San Jose/Mimaropa", "San Jose/Central Luzon", "Masantol/Central Luzon"}},
        SearchCase{"CountryByCode", "chiang", "th", {"Chiang Mai/Chiang Mai", "Chiang Mai/Chiang Mai", "Si Chiang Mai/Nong Khai"}},
        SearchCase{"CountryByName", "san", "Country VN", {}}, SearchCase{"UnknownCountry", "san", "XX", {}},
        SearchCase{"Wildcards", "%_*?", "", {}}, SearchCase{"Quotes", "'\"", "", {}}, SearchCase{"Empty", "", "", {}},
        SearchCase{"ControlCharactersSeparateWords", QStringLiteral("da\u0001lat\u001b"), "", DaLat},
        SearchCase{"MixedScripts", "Chiang เชียงใหม่", "", {}},
        SearchCase{"TenThousandCharacters", QString(10000, QLatin1Char('a')), "", {}}),
    [](const auto &info) { return std::string(info.param.name); });

TEST(PlaceChoice, PrefersTheOnePlaceOfTheName)
{
    const PlaceIndex &index = smallIndex();
    // The town, not the province of its name; a unique partial match; several towns are ambiguous.
    EXPECT_EQ(index.place(*ChoosePlace(index, u"Chiang Mai").place).kind, PlaceKind::Place);
    EXPECT_EQ(index.place(*ChoosePlace(index, u"rangoo").place).name, QStringLiteral("Yangon"));
    const PlaceChoice sanJose = ChoosePlace(index, u"San Jose");
    EXPECT_FALSE(sanJose.place);
    EXPECT_EQ(sanJose.candidates.size(), 2U);
    EXPECT_TRUE(ChoosePlace(index, u"nowhere").candidates.empty());
}

TEST(PlaceIndexFile, ReadsBackWhatWasWrittenAndRefusesDamage)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("places.idx"));
    smallIndex().write(path);
    const PlaceIndex back = PlaceIndex::read(path);
    EXPECT_EQ(found(back, FindPlaces(back, u"da lat")), DaLat);
    EXPECT_EQ(back.countryCodes(), smallIndex().countryCodes());

    const QByteArray good = ReadFile(path);
    QByteArray badOffset = good;
    badOffset[16 + 24 + 4] = char(0x7F); // the first country's name lies past the names
    const QList<QPair<const char *, QByteArray>> damaged{
        {"cut short", good.left(good.size() - 3)}, {"cut short", good.left(20)}, {"not a place index", "SILVARIA PLACES9" + good.mid(16)},
        {"longer than its tables", good + "x"},     {"damaged", badOffset},          {"cut short", QByteArray()}};
    for (const auto &[reason, bytes] : damaged) {
        ASSERT_TRUE(WriteFile(path, bytes));
        try {
            PlaceIndex::read(path);
            ADD_FAILURE() << reason;
        } catch (const Error &e) {
            EXPECT_TRUE(e.message().contains(QLatin1String(reason))) << e.message().toStdString();
            EXPECT_EQ(e.file(), path);
        }
    }
    EXPECT_THROW(PlaceIndex::read(dir.filePath(QStringLiteral("missing.idx"))), Error);
}

TEST(BundledPlaces, NamesInEveryScriptFindTheSamePlace)
{
    const PlaceIndex index = PlaceIndex::read(QStringLiteral(SILVARIA_SOURCE_DIR "/data/ShapeFiles/places.idx"));
    EXPECT_GT(index.placeCount(), 15835U); // every populated place, and the divisions
    for (const char16_t *name : {u"da lat", u"Đà Lạt", u"Dalat"})
        EXPECT_EQ(index.place(FindPlaces(index, name, {}, 1).at(0).place).name, QStringLiteral("Ðà Lạt"));
    const Place chiangMai = index.place(*ChoosePlace(index, u"เชียงใหม่").place);
    EXPECT_EQ(chiangMai.name + QLatin1Char('/') + chiangMai.country, QStringLiteral("Chiang Mai/Thailand"));
    const Place sleman = index.place(*ChoosePlace(index, u"kabupaten sleman").place);
    EXPECT_EQ(sleman.kind, PlaceKind::District);
    EXPECT_NEAR(sleman.lat, -7.72, 0.01);
}

} // namespace

// How the analysis maps colour their classes, the lattice their GeoTIFFs are
// laid on, and the area table as a spreadsheet reads it.
#include "analysis/AreaTableText.h"
#include "analysis/GridLattice.h"
#include "analysis/MapClasses.h"
#include "base/Error.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

#include <cmath>

TEST(MapClasses, TheRampGrowsLighterAllTheWaySoItReadsInGrey)
{
    double previous = -1;
    for (int i = 0; i <= 20; ++i) {
        const QColor c = SequentialColour(i / 20.0);
        const double grey = 0.2126 * c.redF() + 0.7152 * c.greenF() + 0.0722 * c.blueF();
        EXPECT_GT(grey, previous + 0.02) << "step " << i;
        previous = grey;
    }
}

TEST(MapClasses, CountsFallIntoEqualStepsUpToTheLargest)
{
    const struct {
        const char *name;
        std::vector<std::uint32_t> counts;
        QStringList captions;
        std::vector<std::size_t> pointsPerBin;
    } cases[] = {
        {"nothing suits anywhere", {0, 0}, {"0"}, {2}},
        {"one class per count up to seven", {0, 1, 2, 3, 5}, {"0", "1", "2", "3", "4", "5"}, {1, 1, 1, 1, 0, 1}},
        {"steps of two up to eight", {8, 7, 1}, {"0", "1 to 2", "3 to 4", "5 to 6", "7 to 8"}, {0, 1, 0, 0, 2}},
        {"lowland counts spread over classes", {55, 40, 33, 32, 0},
         {"0", "1 to 8", "9 to 16", "17 to 24", "25 to 32", "33 to 40", "41 to 48", "49 to 55"}, {1, 0, 0, 0, 1, 2, 0, 1}},
    };
    for (const auto &c : cases) {
        const std::vector<PointClassLayer> classes = CountClasses(c.counts).classes;
        QStringList captions;
        std::vector<std::size_t> sizes;
        for (const PointClassLayer &cls : classes) {
            captions << cls.caption;
            sizes.push_back(cls.points.size());
        }
        EXPECT_EQ(captions, c.captions) << c.name;
        EXPECT_EQ(sizes, c.pointsPerBin) << c.name;
        EXPECT_EQ(classes.back().colour, SequentialColour(classes.size() > 1 ? 1 : 0)) << c.name;
    }
}

TEST(GridLattice, FoundFromThePointsOrRefused)
{
    const struct {
        const char *name;
        std::vector<double> xs, ys;
        std::vector<std::int64_t> cells; // columns times rows, then each point's cell (-1: no position)
        const char *error;               // "": none
    } cases[] = {
        {"centres rounded to four decimals, a cell empty, a point without a position", {100, 100.0833, 100.25, NAN},
         {1, 1, 0.9167, NAN}, {4 * 2, 0, 1, 7, -1}, ""},
        {"a point off the lattice", {0, 1, 2.3}, {0, 0, 1}, {}, "the point at 1, 0 lies off the lattice of 1.15 by 1 degree cells"},
        {"two points in one cell", {0, 1, 1}, {0, 1, 1}, {}, "two points lie in the cell centred at 1, 1"},
    };
    for (const auto &c : cases) {
        try {
            const GridLattice lattice = GridLattice::of(c.xs, c.ys, QStringLiteral("grid.shp"));
            std::vector<std::int64_t> cells{lattice.columns * lattice.rows};
            cells.insert(cells.end(), lattice.cell.begin(), lattice.cell.end());
            EXPECT_EQ(cells, c.cells) << c.name;
        } catch (const Error &e) {
            EXPECT_TRUE(*c.error && e.message().contains(QString::fromUtf8(c.error))) << c.name << ": " << e.message().toStdString();
        }
    }
}

TEST(AreaTableText, CellsAreQuotedOnlyWhereCsvNeedsIt)
{
    const QList<QStringList> cells{{"Country", "Land km2"},
                                   {"Korea, Republic of", "12"},
                                   {"C\u00f4te d'Ivoire \"CI\"", "3"},
                                   {"two\nlines", "4"}};
    EXPECT_EQ(CommaSeparated(cells), QByteArray("Country,Land km2\r\n\"Korea, Republic of\",12\r\n"
                                                "\"C\xc3\xb4te d'Ivoire \"\"CI\"\"\",3\r\n\"two\nlines\",4\r\n"));
    EXPECT_EQ(TabSeparated({{"a\tb", "c\nd"}}), "a b\tc d\n") << "a tab or line break would shift the cells";
}

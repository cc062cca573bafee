// Faults a user can meet with the map window: damaged map files, hostile text
// in the range boxes, clicks at and beyond the map's edges. Each ends with a
// clear message or no effect, and the window stays usable.
#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "mapping/MapControl.h"
#include "mapping/MapToolbar.h"
#include "mapping/frmMap.h"
#include "mapping/labels/LabelLayer.h"
#include "tests/common/WidgetTest.h"
#include "tests/mapping/MapWindowFixture.h"

#include <gtest/gtest.h>

#include <tuple>

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

namespace {

enum class Damage { Missing, Empty, Truncated };

void damage(const QString &path, Damage how)
{
    if (how == Damage::Missing) {
        QFile::remove(path);
        return;
    }
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    ASSERT_TRUE(f.resize(how == Damage::Empty ? 0 : f.size() / 2 + 3));
}

// A file of either layer, missing or truncated (the reader's tests cover every damage).
using FileFault = std::tuple<const char * /* layer */, const char * /* extension */, Damage>;

class MapFileFaults : public ::testing::TestWithParam<FileFault> {};

} // namespace

TEST_P(MapFileFaults, OpeningTheMapNamesTheFileAndGoesOn)
{
    const auto [layer, extension, how] = GetParam();
    MapWindowFixture fixture;
    damage(fixture.folder() + "/ShapeFiles/" + layer + "." + extension, how);
    frmMain main;
    main.Load();
    SetCurrentSpID("1");
    frmMap *map = nullptr;
    const QString message = AnswerMessageBox([&] {
        map = new frmMap(&main);
        map->show();
        QTest::qWait(50);
    });
    EXPECT_TRUE(message.contains(QString::fromLatin1(layer))) << message.toStdString();
    // The window still works: a redraw, a full extent and Close.
    map->mapTree->refresh();
    map->mapTree->repaint();
    QTest::mouseClick(map->tbrMain->widgetForAction(map->tbrMain->button("k6")), Qt::LeftButton);
    map->close();
}

namespace {

// The map window of species 1 over the loaded main window.
frmMap *openMap(frmMain &main)
{
    main.Load();
    SetCurrentSpID("1");
    auto *map = new frmMap(&main);
    map->show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(map));
    return map;
}

std::string faultName(const ::testing::TestParamInfo<FileFault> &info)
{
    static const char *const how[] = {"Missing", "Empty", "Truncated"};
    const auto [layer, extension, damage] = info.param;
    return std::string(layer) + "_" + extension + "_" + how[int(damage)];
}

} // namespace

INSTANTIATE_TEST_SUITE_P(OneFileOfEachLayer, MapFileFaults,
                         ::testing::Values(FileFault{"pasia_canvas", "shp", Damage::Missing},
                                           FileFault{"country_bnd", "dbf", Damage::Truncated}),
                         faultName);

TEST(MapWindowInput, HostileRangeTextCountsAsMissing)
{
    MapWindowFixture fixture;
    frmMain main;
    frmMap *map = openMap(main);
    QTest::mouseClick(map->tbrMain->widgetForAction(map->tbrMain->button("k7")), Qt::LeftButton); // boxes from now on
    for (const QString &text : {QString(20000, QLatin1Char('9')), QStringLiteral("' OR 1=1 --"), QStringLiteral("ĐINH"),
                                QStringLiteral("1e999"), QStringLiteral("0x10"), QStringLiteral("  ")}) {
        SCOPED_TRACE(text.left(20).toStdString());
        map->txtALTMin->setText(text);
        map->mapTree->refresh();
        map->mapTree->repaint();
        EXPECT_EQ(map->txtALTMin->text(), "0") << "no number: the bound is missing";
        EXPECT_EQ(map->lblDescParam->text(), "MAR - MAT");
    }
    // A minimum beyond the data's range is set to the range's lower end.
    map->txtALTMin->setText("99999");
    map->mapTree->refresh();
    map->mapTree->repaint();
    EXPECT_EQ(map->txtALTMin->text(), "0");
}

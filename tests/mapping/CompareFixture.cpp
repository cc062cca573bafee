#include "tests/mapping/CompareFixture.h"

#include "app/MainCommands.h"
#include "mapping/windows/MapControl.h"
#include "mapping/windows/MapToolbar.h"
#include "mapping/windows/frmCompare.h"
#include "mapping/windows/frmSpecies.h"
#include "tests/common/WidgetTest.h"

#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

void CompareWindowTest::SetUp()
{
    MapWindowsTest::SetUp();
    main->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
}

frmCompare *CompareWindowTest::openComparison()
{
    compare = Opened<frmCompare>([&] { main->commands()->menuTMC->trigger(); });
    if (compare)
        EXPECT_TRUE(QTest::qWaitForWindowExposed(compare));
    return compare;
}

void CompareWindowTest::drawBoth()
{
    compare->mapTree->repaint();
    compare->mapTree2->repaint();
}

bool CompareWindowTest::shows(MapControl *map, MapPoint point, const QColor &colour) { return ColourNear(map, point) == colour; }

void CompareWindowTest::clickTool(const QString &key)
{
    QWidget *button = compare->tbrMain->widgetForAction(compare->tbrMain->button(key));
    ASSERT_NE(button, nullptr) << key.toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
}

void CompareWindowTest::clickMap(MapControl *map) { QTest::mouseClick(map, Qt::LeftButton, Qt::NoModifier, map->rect().center()); }

void CompareWindowTest::withChooser(int side, const std::function<void(frmSpecies *)> &act)
{
    bool ran = false;
    QTimer::singleShot(0, compare, [&] {
        ran = true;
        QPointer<frmSpecies> chooser = compare->findChild<frmSpecies *>();
        if (!chooser) {
            ADD_FAILURE() << "no chooser shown";
            return;
        }
        act(chooser);
        if (chooser && chooser->isVisible())
            chooser->reject();
    });
    QTest::mouseClick(side == 1 ? compare->cmdSp1 : compare->cmdSp2, Qt::LeftButton);
    EXPECT_TRUE(ran);
}

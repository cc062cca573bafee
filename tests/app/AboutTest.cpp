// The About box and its System Info... button.
#include "app/MainCommands.h"
#include "base/AboutTexts.h"
#include "platform/SysInfoLookup.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "tests/common/Files.h"
#include "tests/common/LoadedMainWindow.h"
#include "tests/common/QtPrinters.h"
#include "tests/common/WidgetTest.h"

#include <gtest/gtest.h>

#include <QMessageBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

class AboutBox : public LoadedMainWindow {
protected:
    frmAbout *openAbout()
    {
        main->commands()->menuAbout->trigger();
        const auto open = TopLevelWindows<frmAbout>(true);
        return open.size() == 1 ? open.first() : nullptr;
    }

    // Clicks System Info... and answers the message box it may show: its title and text.
    static QStringList clickSysInfo(frmAbout *box)
    {
        const ShownMessage m = AnswerMessage([&] { QTest::mouseClick(box->cmdSysInfo, Qt::LeftButton); });
        return m.shown ? QStringList{m.title, m.text, QString::number(m.buttons), QString::number(m.icon)} : QStringList{};
    }
};

// Title, text, one button and no icon.
const QStringList Unavailable{"Silvaria Database South-East Asia", "System Information Is Unavailable At This Time", "1",
                              QString::number(QMessageBox::NoIcon)};

} // namespace

TEST_F(AboutBox, ToolThatCannotStartSaysSo)
{
    frmAbout *box = openAbout();
    ASSERT_NE(box, nullptr);
    QTemporaryDir dir;
    ASSERT_TRUE(WriteFile(dir.path() + "/hardinfo", "")); // not executable
    box->sysInfoLookup = std::make_unique<ConfiguredSysInfoLookup>("", dir.path(), "hardinfo");
    EXPECT_EQ(clickSysInfo(box), Unavailable);
    EXPECT_TRUE(box->isVisible());
}

// The About box says the map grid's climate as the grid's own sources say it.
TEST(AboutTexts, TheGridsClimateIsSaidAsItsSourcesSay)
{
    const std::pair<const char *, const char *> cases[] = {
        {"", "are modelled, not observed."},
        {"5-arc-minute grid; MAR and MAT modelled sample data, not observations", "are modelled, not observed."},
        {"observed climate, 1970-2000 averages of WorldClim 2.1 at 10 arc minutes", ": observed climate (see its sources.txt)."},
        {"10-arc-minute grid from alt.tif, mar.tif and mat.tif", ": your own data (see its sources.txt)."}};
    for (const auto &[source, line] : cases)
        EXPECT_TRUE(GridClimateLine(source).endsWith(line)) << source;
}

// The search dialog driven as a user drives it: opened from the View menu,
// text typed and Enter pressed, results read from the species list window.
#include "app/MainCommands.h"
#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "controls/Twips.h"
#include "controls/ReportList.h"
#include "factsheet/windows/frmList.h"
#include "search/windows/frmSearch.h"
#include "tests/common/LoadedMainWindow.h"
#include "tests/common/QtPrinters.h"
#include "tests/common/WidgetTest.h"
#include "tests/search/SearchFixture.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QTextEdit>

namespace {

class SearchDialog : public LoadedMainWindow {
protected:
    SearchDialog() : LoadedMainWindow(SearchFixtureRows()) {}
    void SetUp() override
    {
        LoadedMainWindow::SetUp();
        search = openSearch();
        ASSERT_NE(search, nullptr);
    }

    // View > Search, as a user chooses it.
    frmSearch *openSearch()
    {
        frmSearch *window = Opened<frmSearch>([&] { main->commands()->menuSearch->trigger(); });
        if (window)
            EXPECT_TRUE(QTest::qWaitForWindowExposed(window));
        return window;
    }

    void searchFor(const QString &text)
    {
        search->txtSearch->clear();
        TypeText(search->txtSearch, text);
        QTest::keyClick(search->txtSearch, Qt::Key_Return);
    }

    ReportList *rows() { return main->ListWindow()->lstTree; }

    frmSearch *search = nullptr;
};

} // namespace

TEST_F(SearchDialog, PickingAFoundSynonymShowsItsSpecies)
{
    searchFor("jatus");
    ASSERT_EQ(rows()->topLevelItemCount(), 1);
    ClickItem(rows(), rows()->topLevelItem(0), 2);
    EXPECT_EQ(CurrentSpID(), "2");
    EXPECT_TRUE(main->ListWindow()->richDetail->toPlainText().contains("Current Name: Tectona grandis"));
}

// The search dialog driven as a user drives it: opened from the View menu,
// text typed and Enter pressed, results read from the species list window.
#include "app/MainCommands.h"
#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "controls/Twips.h"
#include "controls/ReportList.h"
#include "factsheet/frmList.h"
#include "search/frmSearch.h"
#include "tests/common/LoadedMainWindow.h"
#include "tests/common/QtPrinters.h"
#include "tests/common/WidgetTest.h"
#include "tests/search/SearchFixture.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
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
        main->commands()->menuSearch->trigger();
        frmSearch *window = nullptr;
        for (frmSearch *shown : main->findChildren<frmSearch *>())
            if (shown->isVisible())
                window = shown;
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
    QStringList column(int col)
    {
        QStringList out;
        for (int i = 0; i < rows()->topLevelItemCount(); ++i)
            out << rows()->topLevelItem(i)->text(col - 1);
        return out;
    }
    QStringList headers()
    {
        QStringList out;
        for (int c = 2; c < 6; ++c)
            out << rows()->headerItem()->text(c);
        return out;
    }
    QList<int> widths()
    {
        QList<int> out;
        for (int c = 0; c < 6; ++c)
            out << rows()->header()->sectionSize(c);
        return out;
    }
    QList<int> pixels(const QList<int> &twips)
    {
        QList<int> out;
        for (int t : twips)
            out << TwipsToPixelsX(t, rows());
        return out;
    }

    frmSearch *search = nullptr;
};

} // namespace

TEST_F(SearchDialog, OpensWithBotanicNamesChosenAndStaysAboveTheOtherWindows)
{
    EXPECT_EQ(search->windowTitle(), "Search");
    EXPECT_EQ(search->Frame1->title(), "Search By");
    EXPECT_EQ(search->optBotanic->text(), "Botanic Names");
    EXPECT_EQ(search->optCommon->text(), "Common Names");
    EXPECT_EQ(search->Label1->text(), "Search For");
    EXPECT_EQ(search->cmdOK->text(), "Ok");
    EXPECT_EQ(search->cmdCancel->text(), "Cancel");
    EXPECT_TRUE(search->optBotanic->isChecked());
    EXPECT_FALSE(search->optCommon->isChecked());
    EXPECT_TRUE(search->isWindow());
    EXPECT_TRUE(search->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(SearchDialog, ChoosingSearchTwiceShowsTheOneDialog)
{
    search->optCommon->click();
    frmSearch *again = openSearch();
    EXPECT_EQ(again, search);
    EXPECT_EQ(main->findChildren<frmSearch *>().size(), 1);
    EXPECT_TRUE(again->optCommon->isChecked()); // shown again, not loaded again
}

TEST_F(SearchDialog, BotanicSearchListsNamesAndSynonymsUnderTheBotanicColumns)
{
    const QString sheet = main->ListWindow()->richDetail->toPlainText();
    searchFor("grandis");
    // Both rows share the current name they are ordered by.
    QStringList found = column(3);
    found.sort();
    EXPECT_EQ(found, (QStringList{"Jatus grandis", "Tectona grandis"}));
    EXPECT_EQ(column(4), (QStringList{"Tectona grandis", "Tectona grandis"}));
    QStringList genera = column(5);
    genera.sort();
    EXPECT_EQ(genera, (QStringList{"Jatus", "Tectona"}));
    EXPECT_EQ(column(2), (QStringList{"2", "2"}));
    EXPECT_EQ(column(1), (QStringList{"", ""}));
    // The sixth caption stays as the browsing list left it.
    EXPECT_EQ(headers(), (QStringList{"Synonym Names", "Current Names", "Genus", ""}));
    EXPECT_EQ(widths(), pixels({320, 0, 5000, 3000, 3000, 0}));
    // Alternating white and light green rows.
    ASSERT_TRUE(rows()->hasStripes());
    EXPECT_EQ(rows()->stripeColor(0), QColor(255, 255, 255));
    EXPECT_EQ(rows()->stripeColor(1), QColor(192, 255, 192));
    // No row is chosen: the fact sheet and the current species stay.
    EXPECT_EQ(rows()->selectedItems().size(), 0);
    EXPECT_EQ(rows()->selectedRow(), nullptr);
    EXPECT_EQ(CurrentSpID(), "1");
    EXPECT_EQ(main->ListWindow()->richDetail->toPlainText(), sheet);
    // The dialog stays open for the next search.
    EXPECT_TRUE(search->isVisible());
}

TEST_F(SearchDialog, PickingAFoundSynonymShowsItsSpecies)
{
    searchFor("jatus");
    ASSERT_EQ(rows()->topLevelItemCount(), 1);
    ClickItem(rows(), rows()->topLevelItem(0), 2);
    EXPECT_EQ(CurrentSpID(), "2");
    EXPECT_TRUE(main->ListWindow()->richDetail->toPlainText().contains("Current Name: Tectona grandis"));
}

TEST_F(SearchDialog, ColumnLayoutSwitchesWithTheSearchKind)
{
    search->optCommon->click();
    searchFor("ĐINH");
    EXPECT_EQ(column(3), QStringList{"đinh"});
    EXPECT_EQ(column(6), QStringList{"Vietnamese"});
    EXPECT_EQ(headers(), (QStringList{"Common Names", "Current Names", "Genus", "Language"}));
    EXPECT_EQ(widths(), pixels({320, 0, 2500, 2500, 2500, 2500}));

    search->optBotanic->click();
    searchFor("tectona");
    EXPECT_EQ(column(3), (QStringList{"Tectona grandis", "Tectona theka"}));
    EXPECT_EQ(headers(), (QStringList{"Synonym Names", "Current Names", "Genus", "Language"}));
    EXPECT_EQ(widths(), pixels({320, 0, 5000, 3000, 3000, 0}));
}

TEST_F(SearchDialog, OkButtonSearchesLikeEnter)
{
    search->optCommon->click();
    TypeText(search->txtSearch, "  สัก  ");
    QTest::mouseClick(search->cmdOK, Qt::LeftButton);
    EXPECT_EQ(column(3), QStringList{"สัก"});
    EXPECT_EQ(column(4), QStringList{"Tectona grandis"});
}

TEST_F(SearchDialog, BlankTextRunsNoSearchAndKeepsTheFocusInTheBox)
{
    const QStringList before = column(3);
    search->activateWindow();
    QTest::mouseClick(search->cmdOK, Qt::LeftButton); // the button takes the focus
    searchFor("   ");
    EXPECT_EQ(column(3), before);
    EXPECT_EQ(rows()->headerItem()->text(4), "Functional Uses");
    EXPECT_EQ(search->focusWidget(), search->txtSearch);
}

TEST_F(SearchDialog, QuoteInTheTextIsSearchedForWithoutAnyMessage)
{
    QString message = AnswerMessageBox([&] { searchFor("d'urv"); });
    EXPECT_EQ(message, "");
    EXPECT_EQ(column(3), QStringList{"Pandanus d'urvillei"});
    message = AnswerMessageBox([&] { searchFor("x' OR 'a'='a"); });
    EXPECT_EQ(message, "");
    EXPECT_EQ(rows()->topLevelItemCount(), 0);
}

TEST_F(SearchDialog, CancelClosesTheDialog)
{
    QPointer<frmSearch> watched = search;
    search->optCommon->click();
    QTest::mouseClick(search->cmdCancel, Qt::LeftButton);
    EXPECT_FALSE(search->isVisible());
    // The next use, even before the closed dialog is gone, opens a fresh one with botanic names chosen.
    frmSearch *again = openSearch();
    EXPECT_NE(again, watched.data());
    ASSERT_NE(again, nullptr);
    EXPECT_TRUE(again->optBotanic->isChecked());
}

TEST_F(SearchDialog, HostileTextsSearchWithoutAMessageAndLeaveTheDialogWorking)
{
    const QStringList hostile{QString(100000, QChar(0x1EB7)), // "ặ", far past any name
                              QStringLiteral("' OR ''='"),   QStringLiteral("\"; DROP TABLE Species; --"),
                              QStringLiteral("%_[]*?\\"),    QStringLiteral("ไม้สัก 柚木 𝔄𝔅 ❀"),
                              QString(QChar(0)) + "tect"}; // NUL cannot stand in a statement: dropped
    for (QRadioButton *kind : {search->optBotanic, search->optCommon}) {
        kind->click();
        for (const QString &text : hostile) {
            SCOPED_TRACE(text.left(12).toStdString());
            const QString message = AnswerMessageBox([&] {
                search->txtSearch->setText(text);
                QTest::keyClick(search->txtSearch, Qt::Key_Return);
            });
            EXPECT_EQ(message, "");
            EXPECT_LE(search->txtSearch->text().size(), 255) << "a name box holds a name, not a book";
        }
    }
    search->optBotanic->click();
    searchFor("tectona g");
    EXPECT_EQ(column(3), QStringList{"Tectona grandis"});
}

// The main window and the list window, driven as a user drives them.
#include "app/KeyIndicators.h"
#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "catalogue/modDatabase.h"
#include "controls/DragPanel.h"
#include "controls/OutlookBar.h"
#include "controls/ReportList.h"
#include "factsheet/windows/frmList.h"
#include "tests/common/LoadedMainWindow.h"
#include "tests/common/WidgetTest.h"

#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLabel>
#include <QMdiArea>
#include <QTest>
#include <QTextEdit>
#include <QTreeWidget>

namespace {

class MainWindow : public LoadedMainWindow {
protected:
    explicit MainWindow(const QString &extraSql = QString()) : LoadedMainWindow(extraSql) {}
    frmList *list() { return main->ListWindow(); }
    ReportList *rows() { return list()->lstTree; }
    void clickNode(int section, QTreeWidget *tree, const QString &text)
    {
        main->outlookBarMenu->setCurrentIndex(section);
        QTreeWidgetItem *item = tree->findItems(text, Qt::MatchExactly | Qt::MatchRecursive).value(0);
        ASSERT_NE(item, nullptr) << text.toStdString();
        ClickItem(tree, item);
    }
    // The list's row whose found name (the third column) is `found`.
    QTreeWidgetItem *row(const QString &found) { return rows()->findItems(found, Qt::MatchExactly, 2).value(0); }
};

} // namespace

// The rows and columns of the first view stand in the window layout test.
TEST_F(MainWindow, FirstViewListsEveryBotanicNameAndTheFirstFactSheet)
{
    EXPECT_EQ(rows()->selectedRow(), rows()->topLevelItem(0));
    EXPECT_EQ(CurrentSpID(), "1");
    EXPECT_TRUE(list()->richDetail->toPlainText().startsWith("-Species Identity-\n1. Taxonomy\nCurrent Name: Acacia mangium"));
    EXPECT_EQ(list()->richDetail->textCursor().position(), 0);
    // The rows below the highlighted first one are striped light green and white.
    const QImage shot = rows()->viewport()->grab().toImage();
    for (int r : {1, 2})
        EXPECT_EQ(shot.pixelColor(shot.width() - 2, rows()->visualItemRect(rows()->topLevelItem(r)).center().y()),
                  r == 1 ? QColor(192, 255, 192) : QColor(Qt::white)) << "row " << r;
    // A click on a column's heading sorts the list by that column.
    QHeaderView *header = rows()->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, QPoint(header->sectionViewportPosition(3) + 5, header->height() / 2));
    EXPECT_TRUE(rows()->isSorted());
}

TEST_F(MainWindow, TheHighlightedFirstRowOfANewListCanBeChosen)
{
    clickNode(0, main->treeBN, "Tectona");
    ASSERT_EQ(rows()->selectedRow(), rows()->topLevelItem(0));
    EXPECT_TRUE(list()->richDetail->toPlainText().contains("Current Name: Acacia mangium")) << "filling is no choice";
    ClickItem(rows(), rows()->topLevelItem(0), 2);
    EXPECT_TRUE(list()->richDetail->toPlainText().contains("Current Name: Tectona grandis"));

    clickNode(2, main->treeFU, "Bamboo");
    EXPECT_EQ(ColumnTexts(rows(), 3), QStringList{"Dendrocalamus asper"});
    // The keys still choose: Down shows the next row's species.
    clickNode(0, main->treeBN, "Botanic Names");
    rows()->setFocus();
    QTest::keyClick(rows(), Qt::Key_Down);
    EXPECT_EQ(rows()->selectedRow(), rows()->topLevelItem(1));
    EXPECT_EQ(CurrentSpID(), rows()->topLevelItem(1)->text(1));
    EXPECT_TRUE(list()->richDetail->toPlainText().contains("Current Name: " + rows()->topLevelItem(1)->text(3)));
}

TEST_F(MainWindow, ClickingASynonymShowsItsSpeciesFactSheet)
{
    QTreeWidgetItem *synonym = row("Jatus grandis");
    ASSERT_NE(synonym, nullptr);
    ClickItem(rows(), synonym, 2);
    EXPECT_TRUE(list()->richDetail->toPlainText().contains("Current Name: Tectona grandis"));
    EXPECT_EQ(list()->richDetail->textCursor().position(), 0);
    EXPECT_EQ(CurrentSpID(), "2");
    // The body text of the second sheet is plain again, not in the last heading's format.
    QTextCursor body(list()->richDetail->document());
    body.setPosition(int(list()->richDetail->toPlainText().indexOf("Current Name:")) + 1);
    EXPECT_EQ(body.charFormat().foreground().color(), QColor(Qt::black));
    EXPECT_NE(body.charFormat().fontWeight(), QFont::Bold);
    // A species whose sheet cannot be built leaves it empty but still becomes current.
    ClickItem(rows(), row("Orphanus testus"), 2);
    EXPECT_TRUE(list()->richDetail->toPlainText().isEmpty());
    EXPECT_EQ(CurrentSpID(), "6");
}

TEST_F(MainWindow, PaneSplitterFollowsThePointerButNeverBelowZero)
{
    DragPanel *bar = main->pic2;
    const int before = main->pic1->width();
    DragBy(bar, QPoint(30, 0));
    QTest::qWait(20);
    EXPECT_EQ(main->pic1->width(), before + bar->rect().center().x() + 30);
    EXPECT_FALSE(main->dragging);
    const int valid = main->pic1->width();
    DragBy(bar, QPoint(-5000, 0));
    EXPECT_EQ(main->pic1->width(), valid);
    // The outlook bar keeps its margin inside the pane.
    EXPECT_EQ(main->outlookBarMenu->width(), valid - int(1.5 * main->outlookBarMenu->x()));

    // Far to the right the bar stops where the child area keeps a usable
    // width; the main window keeps its size, there and after dragging back.
    const QSize window = main->size();
    DragBy(bar, QPoint(5000, 0));
    QTest::qWait(20);
    EXPECT_EQ(main->size(), window);
    EXPECT_GE(main->mdiArea()->width(), 200);
    EXPECT_EQ(main->pic1->x() + main->pic1->width() + bar->width() + main->mdiArea()->width(), main->centralWidget()->width());
    DragBy(bar, QPoint(-300, 0));
    QTest::qWait(20);
    EXPECT_EQ(main->size(), window);
    // The pane may close completely.
    DragBy(bar, QPoint(-main->pic1->width() - bar->rect().center().x(), 0));
    EXPECT_EQ(main->pic1->width(), 0);
}

// The list window's bar between the list and the fact sheet moves with the
// pointer; the fact sheet fills what is left below it.
TEST_F(MainWindow, ListSplitterMovesTheBoundaryOfListAndFactSheet)
{
    DragPanel *bar = list()->pic2;
    const int before = list()->pic1->height();
    DragBy(bar, QPoint(0, 40));
    EXPECT_EQ(list()->pic1->height(), before + bar->rect().center().y() + 40);
    EXPECT_EQ(list()->pic3->geometry().top(), bar->geometry().bottom() + 1);
    EXPECT_EQ(list()->pic3->geometry().bottom(), list()->height() - 1);
}

namespace {

// Every table present and empty.
class EmptyCatalogueMainWindow : public LoadedMainWindow {
protected:
    EmptyCatalogueMainWindow()
        : LoadedMainWindow("DELETE FROM Species; DELETE FROM Synonym; DELETE FROM Vernacular; DELETE FROM t_Language; "
                           "DELETE FROM Family; DELETE FROM Distribution; DELETE FROM Country; DELETE FROM AddInfo; "
                           "DELETE FROM [References]; DELETE FROM SpRef; DELETE FROM Images;")
    {
    }
};

// The common-name list of Thai names fails at run time (integer overflow in a
// view standing in for the table); everything else reads as usual.
class FailingListMainWindow : public MainWindow {
protected:
    FailingListMainWindow()
        : MainWindow("CREATE TABLE VernacularRows AS SELECT * FROM Vernacular; DROP TABLE Vernacular; "
                     "CREATE VIEW Vernacular AS SELECT SpID, CASE WHEN LID = 2 THEN abs(-9223372036854775807 - 1) "
                     "ELSE Name END AS Name, LID FROM VernacularRows;")
    {
    }
};

} // namespace

TEST_F(EmptyCatalogueMainWindow, StartsWithEmptyTreesListAndFactSheet)
{
    frmList *list = main->ListWindow();
    EXPECT_EQ(list->lstTree->topLevelItemCount(), 0);
    EXPECT_TRUE(list->richDetail->toPlainText().isEmpty());
    EXPECT_EQ(main->treeBN->topLevelItem(0)->childCount(), 0);
    EXPECT_EQ(main->treeCN->topLevelItem(0)->childCount(), 0);
}

TEST_F(FailingListMainWindow, AListThatCannotBeReadSaysWhyAndTheListGoesOn)
{
    const ShownMessage m = AnswerMessage([&] { clickNode(1, main->treeCN, "Thai"); });
    EXPECT_EQ(m.title, "Species List");
    EXPECT_TRUE(m.text.startsWith("The species list could not be read: ")) << m.text.toStdString();
    EXPECT_TRUE(m.text.contains("integer overflow")) << m.text.toStdString();
    EXPECT_EQ(rows()->topLevelItemCount(), 0);
    clickNode(1, main->treeCN, "English");
    EXPECT_GT(rows()->topLevelItemCount(), 0);
    EXPECT_EQ(ColumnTexts(rows(), 5).filter("English").size(), rows()->topLevelItemCount());
}

namespace {

// CAPS, NUM and INS as "1" (shown on) or "0".
QString Shown(const QLabel &caps, const QLabel &num, const QLabel &ins)
{
    return QString("%1%2%3").arg(int(caps.isEnabled())).arg(int(num.isEnabled())).arg(int(ins.isEnabled()));
}

} // namespace

TEST(StatusBarLockKeys, FollowTheWindowingSystemAtStartActivationAndLockKeys)
{
    QLabel caps("CAPS"), num("NUM"), ins("INS");
    QWidget typingInto;
    LockKeyStates system{true, false};
    KeyIndicators indicators(&caps, &num, &ins, [&] { return std::optional(system); });
    EXPECT_EQ(Shown(caps, num, ins), "100") << "Caps Lock on at start; INS starts off";
    system = {false, false};
    QTest::keyClick(&typingInto, Qt::Key_CapsLock);
    EXPECT_EQ(Shown(caps, num, ins), "000");
    system = {false, true}; // switched on while another program had the keyboard
    QEvent activate(QEvent::ApplicationActivate);
    QCoreApplication::sendEvent(qApp, &activate);
    EXPECT_EQ(Shown(caps, num, ins), "010");
    QTest::keyClick(&typingInto, Qt::Key_Insert);
    EXPECT_EQ(Shown(caps, num, ins), "011");
    QTest::keyClick(&typingInto, Qt::Key_A);
    EXPECT_EQ(Shown(caps, num, ins), "011");
}

TEST(StatusBarLockKeys, WithoutTheSystemsWordTheLockKeysToggle)
{
    QLabel caps("CAPS"), num("NUM"), ins("INS");
    QWidget typingInto;
    KeyIndicators indicators(&caps, &num, &ins, [] { return std::optional<LockKeyStates>(); });
    EXPECT_EQ(Shown(caps, num, ins), "000");
    QTest::keyClick(&typingInto, Qt::Key_CapsLock);
    QTest::keyClick(&typingInto, Qt::Key_NumLock);
    EXPECT_EQ(Shown(caps, num, ins), "110");
    QTest::keyClick(&typingInto, Qt::Key_CapsLock);
    EXPECT_EQ(Shown(caps, num, ins), "010");
}

// The species chooser, shown from the comparison window's "..." buttons and
// driven as a user drives it: typing, double clicks and the Enter key.
#include "controls/ReportList.h"
#include "mapping/MapControl.h"
#include "mapping/SpeciesChooserQuery.h"
#include "mapping/compare/frmCompare.h"
#include "mapping/frmSpecies.h"
#include "tests/common/QtPrinters.h"
#include "tests/common/WidgetTest.h"
#include "tests/compare/CompareFixture.h"

#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QTest>

namespace {

QStringList listed(const frmSpecies *chooser)
{
    QStringList names;
    for (int i = 0; i < chooser->lstSpecies->topLevelItemCount(); ++i)
        names << chooser->lstSpecies->topLevelItem(i)->text(1);
    return names;
}

QTreeWidgetItem *rowNamed(const frmSpecies *chooser, const QString &name)
{
    for (int i = 0; i < chooser->lstSpecies->topLevelItemCount(); ++i)
        if (chooser->lstSpecies->topLevelItem(i)->text(1) == name)
            return chooser->lstSpecies->topLevelItem(i);
    return nullptr;
}

// The identifier, name and six range boxes of a side, as texts.
QStringList sideTexts(const frmCompare *w, int side)
{
    const ParameterPanel &p = side == 1 ? w->panel1 : w->panel2;
    return {(side == 1 ? w->txtTemp1 : w->txtTemp2)->text(),
            (side == 1 ? w->txtSp1 : w->txtSp2)->text(),
            p.txtALTMin->text(), p.txtALTMax->text(), p.txtMARMin->text(),
            p.txtMARMax->text(), p.txtMATMin->text(), p.txtMATMax->text()};
}

class SpeciesChooser : public CompareWindowTest {
protected:
    void SetUp() override
    {
        CompareWindowTest::SetUp();
        ASSERT_NE(openComparison(), nullptr);
        drawBoth();
    }
};

const QStringList AllSpecies{"Acacia mangium",      "Tectona grandis", "Dendrocalamus asper", "Calamus manan",
                             "Markhamia stipulata", "Orphanus testus", "Pandanus d'urvillei"};

} // namespace

TEST(SpeciesChooserStatement, TypedTextGoesBetweenWildcardsWithQuotesDoubled)
{
    EXPECT_EQ(SpeciesChooserStatement("ana"),
              "SELECT Species.SpID, Species.SpeciesName FROM Species WHERE Species.SpeciesName LIKE '%ana%'");
    EXPECT_EQ(SpeciesChooserStatement(""), "SELECT Species.SpID, Species.SpeciesName FROM Species WHERE Species.SpeciesName LIKE '%%'");
    EXPECT_TRUE(SpeciesChooserStatement("d'u").endsWith("LIKE '%d''u%'"));
}

TEST_F(SpeciesChooser, OpensEmptyWithEverySpeciesListed)
{
    withChooser(1, [](frmSpecies *chooser) {
        EXPECT_EQ(chooser->windowTitle(), "Choose Species");
        EXPECT_TRUE(chooser->isModal());
        EXPECT_TRUE(chooser->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(chooser->lblSpecies->text(), "Type Species Name");
        EXPECT_EQ(chooser->txtSpecies->text(), "");
        EXPECT_EQ(listed(chooser), AllSpecies);
        EXPECT_EQ(chooser->lstSpecies->topLevelItem(0)->text(0), "1"); // the hidden SpID column
        EXPECT_EQ(chooser->lstSpecies->columnWidth(0), 0);
    });
}

TEST_F(SpeciesChooser, RefillsOnEveryKeystroke)
{
    withChooser(1, [](frmSpecies *chooser) {
        struct Step {
            const char *name;
            std::function<void()> key;
            QStringList expected;
        };
        const QList<Step> steps{
            {"a", [&] { QTest::keyClick(chooser->txtSpecies, 'a'); }, AllSpecies},
            {"an", [&] { QTest::keyClick(chooser->txtSpecies, 'n'); },
             {"Acacia mangium", "Tectona grandis", "Calamus manan", "Orphanus testus", "Pandanus d'urvillei"}},
            {"ana", [&] { QTest::keyClick(chooser->txtSpecies, 'a'); }, {"Calamus manan"}},
            {"anaN", [&] { QTest::keyClicks(chooser->txtSpecies, "N"); }, {"Calamus manan"}},
            {"back to ana", [&] { QTest::keyClick(chooser->txtSpecies, Qt::Key_Backspace); }, {"Calamus manan"}},
            {"no match", [&] { QTest::keyClick(chooser->txtSpecies, 'z'); }, {}},
            {"deleted", [&] { chooser->txtSpecies->selectAll(); QTest::keyClick(chooser->txtSpecies, Qt::Key_Delete); }, AllSpecies},
            {"quote", [&] { QTest::keyClicks(chooser->txtSpecies, "d'u"); }, {"Pandanus d'urvillei"}},
            {"percent", [&] { chooser->txtSpecies->clear(); QTest::keyClicks(chooser->txtSpecies, "t%s"); },
             {"Tectona grandis", "Orphanus testus"}},
        };
        for (const Step &step : steps) {
            step.key();
            EXPECT_EQ(listed(chooser), step.expected) << step.name;
        }
    });
}

TEST_F(SpeciesChooser, EnterInTheListWritesTheSpeciesIntoTheSecondSideOnly)
{
    const QStringList first = sideTexts(compare, 1);
    QSignalSpy drawn1(compare->mapTree, &MapControl::layerDrawn), drawn2(compare->mapTree2, &MapControl::layerDrawn);
    withChooser(2, [](frmSpecies *chooser) {
        QTest::keyClicks(chooser->txtSpecies, "manan");
        QTreeWidgetItem *row = rowNamed(chooser, "Calamus manan");
        ASSERT_NE(row, nullptr);
        ClickItem(chooser->lstSpecies, row, 1);
        QTest::keyClick(chooser->lstSpecies, Qt::Key_Return);
        EXPECT_FALSE(chooser->isVisible());
    });
    EXPECT_EQ(ChooserSide(), 2);
    // The stored temperature range is null: its boxes get "0".
    EXPECT_EQ(sideTexts(compare, 2), (QStringList{"4", "Calamus manan", "50", "1000", "2000", "4000", "0", "0"}));
    EXPECT_EQ(sideTexts(compare, 1), first);
    // Nothing is redrawn until the next drawing.
    drawBoth();
    EXPECT_EQ(drawn1.count(), 0);
    EXPECT_EQ(drawn2.count(), 0);
}

TEST_F(SpeciesChooser, DoubleClickWritesTheSpeciesIntoTheFirstSide)
{
    const QStringList second = sideTexts(compare, 2);
    withChooser(1, [](frmSpecies *chooser) {
        QTreeWidgetItem *row = rowNamed(chooser, "Tectona grandis");
        ASSERT_NE(row, nullptr);
        chooser->lstSpecies->scrollToItem(row);
        const QPoint at(chooser->lstSpecies->header()->sectionViewportPosition(1) + 4,
                        chooser->lstSpecies->visualItemRect(row).center().y());
        // A double click as the system delivers it: press, release, double click, release.
        QWidget *viewport = chooser->lstSpecies->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(viewport, Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseRelease(viewport, Qt::LeftButton, Qt::NoModifier, at);
        EXPECT_FALSE(chooser->isVisible());
    });
    EXPECT_EQ(sideTexts(compare, 1), (QStringList{"2", "Tectona grandis", "0", "1000", "1250", "3750", "22", "28"}));
    EXPECT_EQ(sideTexts(compare, 2), second);
}

TEST_F(SpeciesChooser, EnterInTheTextBoxOrWithNoRowSelectedDoesNothing)
{
    const QStringList first = sideTexts(compare, 1);
    withChooser(1, [](frmSpecies *chooser) {
        QTest::keyClicks(chooser->txtSpecies, "tectona");
        QTest::keyClick(chooser->txtSpecies, Qt::Key_Return);
        EXPECT_TRUE(chooser->isVisible()) << "Enter in the text box";
        chooser->lstSpecies->setCurrentItem(nullptr);
        QTest::keyClick(chooser->lstSpecies, Qt::Key_Return);
        EXPECT_TRUE(chooser->isVisible()) << "Enter with no row selected";
        QTest::keyClicks(chooser->txtSpecies, "zzz");
        ASSERT_EQ(chooser->lstSpecies->topLevelItemCount(), 0);
        QTest::keyClick(chooser->lstSpecies, Qt::Key_Return);
        EXPECT_TRUE(chooser->isVisible()) << "Enter in an empty list";
        // Other keys in the list choose nothing either.
        chooser->txtSpecies->clear();
        ClickItem(chooser->lstSpecies, chooser->lstSpecies->topLevelItem(0), 1);
        QTest::keyClick(chooser->lstSpecies, Qt::Key_Space);
        EXPECT_TRUE(chooser->isVisible()) << "Space on a row";
        // Closing writes nothing.
        QTest::keyClick(chooser, Qt::Key_Escape);
        EXPECT_FALSE(chooser->isVisible());
    });
    EXPECT_EQ(sideTexts(compare, 1), first);
}

TEST_F(SpeciesChooser, QuoteTypedIntoTheChooserFindsTheNameWithoutAMessage)
{
    const QString message = AnswerMessageBox([&] {
        withChooser(1, [](frmSpecies *chooser) {
            QTest::keyClicks(chooser->txtSpecies, "d'urv");
            ASSERT_EQ(listed(chooser), QStringList{"Pandanus d'urvillei"});
            ClickItem(chooser->lstSpecies, chooser->lstSpecies->topLevelItem(0), 1);
            QTest::keyClick(chooser->lstSpecies, Qt::Key_Enter);
        });
    });
    EXPECT_EQ(message, "");
    EXPECT_EQ(sideTexts(compare, 1), (QStringList{"7", "Pandanus d'urvillei", "0", "0", "0", "0", "0", "0"}));
}

TEST_F(SpeciesChooser, EachShowingStartsAfresh)
{
    withChooser(2, [](frmSpecies *chooser) { QTest::keyClicks(chooser->txtSpecies, "teak"); });
    withChooser(2, [](frmSpecies *chooser) {
        EXPECT_EQ(chooser->txtSpecies->text(), "");
        EXPECT_EQ(listed(chooser), AllSpecies);
    });
}

TEST_F(SpeciesChooser, HostileTextsRefillTheListWithoutAMessage)
{
    const QString message = AnswerMessageBox([&] {
        withChooser(1, [](frmSpecies *chooser) {
            for (const QString &text : {QString(100000, QChar(0x1EB7)), QStringLiteral("' OR ''='"),
                                        QStringLiteral("\"; DROP TABLE Species; --"), QStringLiteral("ไม้สัก 柚木 𝔄𝔅")}) {
                SCOPED_TRACE(text.left(12).toStdString());
                chooser->txtSpecies->setText(text);
                EXPECT_LE(chooser->txtSpecies->text().size(), 255);
                EXPECT_EQ(listed(chooser), QStringList{}) << "no name holds these";
            }
            chooser->txtSpecies->setText(QString(QChar(0)) + "Tect");
            EXPECT_EQ(listed(chooser), QStringList{"Tectona grandis"}) << "NUL cannot stand in a statement: dropped";
            chooser->txtSpecies->setText("%");
            EXPECT_EQ(listed(chooser), AllSpecies) << "a typed wildcard still means any text";
        });
    });
    EXPECT_EQ(message, "");
}

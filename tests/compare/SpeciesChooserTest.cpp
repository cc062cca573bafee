// The species chooser, shown from the comparison window's "..." buttons and
// driven as a user drives it: typing, double clicks and the Enter key.
#include "factsheet/ReportList.h"
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

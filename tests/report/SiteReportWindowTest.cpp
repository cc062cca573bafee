// The Site Report window driven as a user drives it, on the application
// folder's catalogue and grid.
#include "base/ApplicationFolder.h"
#include "catalogue/modDatabase.h"
#include "mapping/windows/frmIdentifyEngine.h"
#include "report/windows/frmSiteReport.h"
#include "tests/common/Files.h"
#include "tests/common/WidgetTest.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTest>

namespace {

class SiteReportWindow : public ::testing::Test {
protected:
    void SetUp() override
    {
        SetApplicationFolder(QStringLiteral(SILVARIA_BINARY_DIR "/bin"));
        OpenCatalogue();
        window = new frmSiteReport(nullptr, SitePosition{98.98, 18.79, "Chiang Mai"});
        window->show();
    }
    void TearDown() override
    {
        delete window;
        SetApplicationFolder(QString());
    }
    int previewPages()
    {
        QTest::mouseClick(window->cmdPreview, Qt::LeftButton);
        return window->shownPages();
    }
    frmSiteReport *window = nullptr;
};

TEST_F(SiteReportWindow, PreviewsThePagesOfTheUsesChecked)
{
    EXPECT_EQ(window->txtPosition->text(), "98.9800, 18.7900");
    const int everyUse = previewPages();
    EXPECT_GT(everyUse, 2);
    EXPECT_EQ(window->lblStatus->text(), QStringLiteral("Pages: %1").arg(everyUse));
    window->findChild<QCheckBox *>("chkUseBamboo")->setChecked(true);
    const int bamboo = previewPages();
    EXPECT_TRUE(bamboo > 0 && bamboo < everyUse) << bamboo;
    // The pages shown are of the paper chosen: A4 (297 by 210 mm), then Letter (11 by 8.5 inches).
    for (const auto &[paper, ratio] : {std::pair{0, 297.0 / 210}, std::pair{1, 11 / 8.5}}) {
        window->cboPaper->setCurrentIndex(paper);
        previewPages();
        const QPixmap page = window->scrPages->widget()->findChild<QLabel *>()->pixmap();
        EXPECT_NEAR(double(page.height()) / page.width(), ratio, 0.01) << window->cboPaper->currentText().toStdString();
    }
}

TEST_F(SiteReportWindow, APositionOutsideTheGridOrNotANumberIsRefusedWithAMessage)
{
    for (const char *typed : {"0, 0", "abc", "100, 95"}) {
        window->txtPosition->setText(typed);
        const ShownMessage shown = AnswerMessage([&] { QTest::mouseClick(window->cmdPreview, Qt::LeftButton); });
        EXPECT_TRUE(shown.shown) << typed;
        EXPECT_EQ(shown.title, "Site Report");
        EXPECT_EQ(window->shownPages(), 0) << typed;
    }
}

TEST_F(SiteReportWindow, SavesTheReportAsTheFileChosen)
{
    QTemporaryDir dir;
    for (const char *name : {"site.pdf", "site.html"}) {
        window->saveDialog = [&](QFileDialog &dialog) {
            dialog.selectFile(dir.filePath(name));
            return true;
        };
        QTest::mouseClick(window->cmdSave, Qt::LeftButton);
        const QByteArray saved = ReadFile(dir.filePath(name));
        EXPECT_TRUE(saved.startsWith(QByteArray(name).endsWith("pdf") ? "%PDF" : "<!DOCTYPE html>")) << name;
        if (QByteArray(name).endsWith("html"))
            EXPECT_TRUE(saved.contains("src=\"data:image/png;base64,") && !saved.contains("src=\"image:")) << "pictures inside the page";
        EXPECT_TRUE(window->lblStatus->text().contains(dir.filePath(name)));
    }
    const QLabel *firstPage = window->scrPages->widget()->findChild<QLabel *>();
    EXPECT_TRUE(WaitUntil([&] { return firstPage->isVisible(); })) << "the preview shows the pages";
    if (qEnvironmentVariableIsSet("SILVARIA_SITE_REPORT_SHOT"))
        window->grab().save(qEnvironmentVariable("SILVARIA_SITE_REPORT_SHOT"));
}

TEST(SiteReportOpening, TheSuitableSpeciesWindowAndTheAnalysisMenuOfferTheirPosition)
{
    frmIdentifyEngine species(nullptr);
    species.SetSite({100.5, 14, QString()});
    species.show();
    frmSiteReport *report = Opened<frmSiteReport>([&] { QTest::mouseClick(species.cmdReport, Qt::LeftButton); });
    ASSERT_NE(report, nullptr);
    EXPECT_EQ(report->txtPosition->text(), "100.5000, 14.0000");
    delete report;
    // The Analysis menu offers the last position asked about.
    species.SetSite({120.98, 14.6, QStringLiteral("Manila")});
    frmSiteReport fromMenu(nullptr);
    EXPECT_EQ(fromMenu.txtPosition->text(), "120.9800, 14.6000");
}

} // namespace

// The photo viewer driven as a user drives it: choose a name, open View >
// Image Selected Record, step with the arrow buttons.
#include "app/MainCommands.h"
#include "app/frmMain.h"
#include "factsheet/ReportList.h"
#include "factsheet/frmList.h"
#include "photos/frmImage.h"
#include "tests/common/FixtureCatalogue.h"
#include "tests/common/QtPrinters.h"
#include "tests/common/WidgetTest.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

namespace {

const QColor Red(220, 30, 30), Green(30, 200, 30), Blue(30, 30, 220);

class PhotoViewer : public ::testing::Test {
protected:
    explicit PhotoViewer(const QString &extraSql = QString()) : app(extraSql) {}

    void SetUp() override
    {
        QDir().mkpath(imageFolder());
        main = new frmMain;
        main->Load();
        main->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(main));
    }
    void TearDown() override { delete main; }

    QString imageFolder() const { return app.folder() + "/SpeciesImage"; }
    void writePicture(const QString &path, const QColor &color)
    {
        QImage image(320, 240, QImage::Format_RGB32);
        image.fill(color);
        ASSERT_TRUE(image.save(path, "JPG")) << path.toStdString();
    }
    void writePhoto(const QString &name, const QColor &color) { writePicture(imageFolder() + "/" + name + ".jpg", color); }

    ReportList *rows() { return main->ListWindow()->lstTree; }
    void selectRow(const QString &found)
    {
        for (int i = 0; i < rows()->topLevelItemCount(); ++i) {
            if (rows()->topLevelItem(i)->text(2) == found) {
                ClickItem(rows(), rows()->topLevelItem(i));
                return;
            }
        }
        FAIL() << "no row " << found.toStdString();
    }

    // View > Image Selected Record; returns the window it opened.
    frmImage *openPhotos()
    {
        const QList<frmImage *> before = TopLevelWindows<frmImage>(true);
        main->commands()->menuISR->trigger();
        for (frmImage *viewer : TopLevelWindows<frmImage>(true))
            if (!before.contains(viewer)) {
                EXPECT_TRUE(QTest::qWaitForWindowExposed(viewer));
                return viewer;
            }
        return nullptr;
    }

    // The colour at the middle of the picture on screen.
    static QColor shownColor(frmImage *viewer)
    {
        const QImage shown = viewer->imgSilvar->grab().toImage();
        return shown.pixelColor(shown.rect().center());
    }
    static bool near(const QColor &a, const QColor &b)
    {
        return std::abs(a.red() - b.red()) < 24 && std::abs(a.green() - b.green()) < 24 && std::abs(a.blue() - b.blue()) < 24;
    }
    static void click(QPushButton *button) { QTest::mouseClick(button, Qt::LeftButton); }

    FixtureApplication app;
    frmMain *main = nullptr;
};

class ThreePhotos : public PhotoViewer {
protected:
    ThreePhotos() : PhotoViewer("INSERT INTO Images VALUES (1, 'acacia_mangium_3', 'C. Person', 'Seeds');") {}
};

} // namespace

TEST_F(ThreePhotos, NextAndPreviousStopAtBothEnds)
{
    writePhoto("acacia_mangium_1", Red);
    writePhoto("acacia_mangium_2", Green);
    writePhoto("acacia_mangium_3", Blue);
    selectRow("Acacia mangium");
    frmImage *viewer = openPhotos();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->cmdNext->isEnabled());
    EXPECT_TRUE(viewer->cmdPervious->isEnabled());
    EXPECT_FALSE(viewer->txtSendPhoto->isVisible());

    struct Step {
        QPushButton *button;
        QColor color;
        const char *author, *detail;
    } steps[] = {
        {nullptr, Red, "A. Person", "Habit"},
        {viewer->cmdNext, Green, "A. Person", "Pods"},
        {viewer->cmdNext, Blue, "C. Person", "Seeds"},
        {viewer->cmdNext, Blue, "C. Person", "Seeds"}, // past the last: stays
        {viewer->cmdPervious, Green, "A. Person", "Pods"},
        {viewer->cmdPervious, Red, "A. Person", "Habit"},
        {viewer->cmdPervious, Red, "A. Person", "Habit"}, // before the first: stays
        {viewer->cmdNext, Green, "A. Person", "Pods"},
    };
    int n = 0;
    for (const Step &step : steps) {
        if (step.button)
            click(step.button);
        SCOPED_TRACE("step " + std::to_string(n++));
        EXPECT_PRED2(near, shownColor(viewer), step.color);
        EXPECT_EQ(viewer->txtAuthor->text(), step.author);
        EXPECT_EQ(viewer->txtDetail->text(), step.detail);
    }
}


// The photo viewer driven as a user drives it: View > Image Selected Record on
// the first species, then the arrow buttons.
#include "app/MainCommands.h"
#include "app/frmMain.h"
#include "controls/ReportList.h"
#include "factsheet/windows/frmList.h"
#include "photos/windows/frmImage.h"
#include "tests/common/LoadedMainWindow.h"
#include "tests/common/WidgetTest.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

const QColor Red(220, 30, 30), Green(30, 200, 30), Blue(30, 30, 220);

// The first species (selected at start) has three photos.
class ThreePhotos : public LoadedMainWindow {
protected:
    ThreePhotos() : LoadedMainWindow("INSERT INTO Images VALUES (1, 'acacia_mangium_3', 'C. Person', 'Seeds');") {}

    void writePhoto(const QString &name, const QColor &color)
    {
        QDir().mkpath(app.folder() + "/SpeciesImage");
        QImage image(320, 240, QImage::Format_RGB32);
        image.fill(color);
        ASSERT_TRUE(image.save(app.folder() + "/SpeciesImage/" + name + ".jpg", "JPG"));
    }
    // View > Image Selected Record; returns the window it opened.
    frmImage *openPhotos()
    {
        main->commands()->menuISR->trigger();
        const QList<frmImage *> open = TopLevelWindows<frmImage>(true);
        return open.size() == 1 && QTest::qWaitForWindowExposed(open.first()) ? open.first() : nullptr;
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
};

} // namespace

TEST_F(ThreePhotos, SpeciesWithoutPhotosShowsOnlyTheRequest)
{
    ClickItem(main->ListWindow()->lstTree, main->ListWindow()->lstTree->topLevelItem(2)); // a bamboo without photos
    frmImage *viewer = openPhotos();
    ASSERT_NE(viewer, nullptr);
    EXPECT_TRUE(viewer->txtSendPhoto->isVisible());
    for (QWidget *hidden : {static_cast<QWidget *>(viewer->imgSilvar), static_cast<QWidget *>(viewer->txtAuthor),
                            static_cast<QWidget *>(viewer->txtDetail), static_cast<QWidget *>(viewer->Label1[0]),
                            static_cast<QWidget *>(viewer->Label1[1]), static_cast<QWidget *>(viewer->cmdNext)})
        EXPECT_FALSE(hidden->isVisible() && hidden->isEnabled()) << hidden->objectName().toStdString();
}

TEST_F(ThreePhotos, NextAndPreviousStopAtBothEnds)
{
    writePhoto("acacia_mangium_1", Red);
    writePhoto("acacia_mangium_2", Green);
    writePhoto("acacia_mangium_3", Blue);
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


// Start-up: the splash for three seconds, then the main window, or a clear
// message when the catalogue cannot be opened.
#include "base/ApplicationFolder.h"
#include "platform/DisplayCheck.h"
#include "app/frmMain.h"
#include "app/frmSplash.h"
#include "catalogue/modDatabase.h"
#include "tests/common/FixtureCatalogue.h"
#include "tests/common/WidgetTest.h"

#include <gtest/gtest.h>

#include <QElapsedTimer>
#include <QLabel>
#include <QPointer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

TEST(Startup, MainWindowShowsOnlyAfterTheSplashsThreeSeconds)
{
    FixtureApplication app;
    QElapsedTimer clock;
    QPointer<frmSplash> splash = new frmSplash;
    splash->show();
    clock.start();
    EXPECT_EQ(splash->Image1->pixmap().size(), QSize(400, 267));
    EXPECT_EQ(splash->Timer1->interval(), 3000);
    ASSERT_TRUE(WaitUntil([] { return frmMain::Instance() != nullptr; }, 6000));
    EXPECT_GE(clock.elapsed(), 2990);
    EXPECT_TRUE(WaitUntil([&] { return splash.isNull(); }, 1000)) << "the splash is gone";
    frmMain *main = frmMain::Instance();
    EXPECT_TRUE(main->isVisible());
    delete main;
}

TEST(Startup, MissingCatalogueEndsWithAMessageNamingTheFile)
{
    QTemporaryDir empty;
    SetApplicationFolder(empty.path());
    bool started = true;
    const QString text = AnswerMessageBox([&] { started = StartMainWindow(); });
    SetApplicationFolder(QString());
    EXPECT_FALSE(started);
    EXPECT_TRUE(text.contains("dbsilvar.mdb")) << text.toStdString();
    EXPECT_TRUE(text.contains("does not exist")) << text.toStdString();
    EXPECT_EQ(frmMain::Instance(), nullptr);
}

TEST(Startup, WithoutADisplayTheProgramSaysHowToStartItAndEnds)
{
    QProcess program;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char *name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"})
        env.remove(name);
    program.setProcessEnvironment(env);
    program.start(SILVARIA_BINARY_DIR "/bin/silvaria");
    ASSERT_TRUE(program.waitForFinished(30000));
    EXPECT_EQ(program.exitCode(), 2);
    EXPECT_TRUE(program.readAllStandardError().contains("xvfb-run -a"));
}

TEST(Startup, ADisplayIsMissingOnlyWhereThePlatformFindsItThroughVariables)
{
    const struct {
        bool platformNeedsVariables;
        QStringList set;
        bool missing;
    } cases[] = {
        {true, {}, true},
        {true, {"DISPLAY"}, false},
        {true, {"WAYLAND_DISPLAY"}, false},
        {true, {"QT_QPA_PLATFORM"}, false},
        {false, {}, false}, // Windows, macOS: the desktop is always there
    };
    for (const auto &c : cases)
        EXPECT_EQ(DisplayMissing(c.platformNeedsVariables, [&](const char *name) { return c.set.contains(name); }),
                  c.missing)
            << c.platformNeedsVariables << " " << c.set.join(',').toStdString();
}

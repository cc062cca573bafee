// The manual and glossary windows: one window each, a browser that follows the
// window's size, links followed inside, and a page of our own for a missing file.
#include "app/BrowserWindow.h"
#include "app/HtmlViewer.h"
#include "app/MainCommands.h"
#include "app/frmGlossary.h"
#include "app/frmHelp.h"
#include "app/frmMain.h"
#include "tests/common/LoadedMainWindow.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTest>

namespace {

void WriteFile(const QString &path, const QString &text)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly)) << path.toStdString();
    file.write(text.toUtf8());
}

class Viewers : public LoadedMainWindow {
protected:
    void SetUp() override
    {
        WriteFile(app.folder() + "/Help/index.htm",
                  "<html><body><h1>Silvaria manual</h1><p><a href=\"maps.htm\">Suitability maps</a></p></body></html>");
        WriteFile(app.folder() + "/Help/maps.htm", "<html><body><h1>Suitability maps</h1></body></html>");
        WriteFile(app.folder() + "/HTML/GlosA.htm", "<html><body><h1>Glossary</h1><a name=\"A\"></a>A</body></html>");
        LoadedMainWindow::SetUp();
        main->resize(1200, 900);
    }

    template <typename Window>
    QList<Window *> windows() const
    {
        QList<Window *> out;
        for (QMdiSubWindow *sub : main->mdiArea()->subWindowList())
            if (auto *w = qobject_cast<Window *>(sub->widget()))
                out << w;
        return out;
    }
    frmHelp *openManual()
    {
        main->commands()->menuAD->trigger();
        const auto open = windows<frmHelp>();
        return open.size() == 1 ? open.first() : nullptr;
    }
    static QMdiSubWindow *frameOf(QWidget *w) { return qobject_cast<QMdiSubWindow *>(w->parentWidget()); }
};

} // namespace

TEST_F(Viewers, HelpTwiceIsOneWindowStillAtTheFollowedLink)
{
    frmHelp *help = openManual();
    ASSERT_NE(help, nullptr);
    help->browserHelp->setFocus();
    QTest::keyClick(help->browserHelp, Qt::Key_Tab);
    QTest::keyClick(help->browserHelp, Qt::Key_Return);
    ASSERT_EQ(help->browserHelp->source().fileName(), "maps.htm");

    main->commands()->menuGlossary->trigger(); // another window comes in front
    frmHelp *again = openManual();
    EXPECT_EQ(again, help);
    EXPECT_EQ(windows<frmHelp>().size(), 1);
    EXPECT_EQ(main->mdiArea()->activeSubWindow(), frameOf(help));
    EXPECT_EQ(help->browserHelp->source().fileName(), "maps.htm");
    EXPECT_TRUE(help->browserHelp->toPlainText().startsWith("Suitability maps"));
}

TEST_F(Viewers, MissingGlossaryOrManualShowsAPageNamingTheFile)
{
    QFile::remove(app.folder() + "/HTML/GlosA.htm");
    main->commands()->menuGlossary->trigger();
    const auto open = windows<frmGlossary>();
    ASSERT_EQ(open.size(), 1);
    const QString text = open.first()->browserGlossary->toPlainText();
    EXPECT_TRUE(text.startsWith("Page not found")) << text.toStdString();
    EXPECT_TRUE(text.contains(QDir::cleanPath(app.folder() + "/HTML/GlosA.htm"))) << text.toStdString();
    EXPECT_TRUE(open.first()->isVisible());

    QFile::remove(app.folder() + "/Help/index.htm");
    frmHelp *help = openManual();
    ASSERT_NE(help, nullptr);
    EXPECT_TRUE(help->browserHelp->toPlainText().startsWith("Page not found"));
    EXPECT_TRUE(help->browserHelp->toPlainText().contains(QDir::cleanPath(app.folder() + "/Help/index.htm")));
}

TEST(MissingPage, EscapesThePath)
{
    EXPECT_TRUE(MissingPageHtml("/a/<b>&.htm").contains("/a/&lt;b&gt;&amp;.htm"));
}

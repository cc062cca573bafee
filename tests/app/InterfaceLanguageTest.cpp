// The interface in another language: every visible text of every window goes
// through the translators (a pseudo-language that wraps and lengthens each
// text shows any that does not), no caption is cut off in the longer language,
// a change of language retitles the open windows and keeps their state, and
// View > Language puts a language in effect and keeps it.
#include "app/LanguageMenu.h"
#include "app/MainCommands.h"
#include "app/frmAbout.h"
#include "app/frmGlossary.h"
#include "tests/common/Files.h"
#include "base/ApplicationFolder.h"
#include "app/HtmlViewer.h"
#include "app/frmHelp.h"
#include "app/frmMain.h"
#include "analysis/windows/frmClimateShift.h"
#include "analysis/windows/frmCountryArea.h"
#include "analysis/windows/frmSpeciesCount.h"
#include "base/AppIdentity.h"
#include "base/InterfaceLanguage.h"
#include "catalogue/CurrentSpecies.h"
#include "controls/CaptionFit.h"
#include "controls/ReportList.h"
#include "factsheet/windows/frmList.h"
#include "mapping/windows/MapControl.h"
#include "mapping/windows/frmCompare.h"
#include "mapping/windows/frmIdentifyEngine.h"
#include "mapping/windows/frmIdentifyMap.h"
#include "mapping/windows/frmMap.h"
#include "mapping/windows/frmSpecies.h"
#include "photos/windows/frmImage.h"
#include "search/windows/frmSearch.h"
#include "tests/common/MapWindowFixture.h"
#include "tests/common/WidgetTest.h"

#include <QAbstractButton>
#include <QDate>
#include <QMdiSubWindow>
#include <QRegularExpression>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QSettings>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTranslator>
#include <QTreeWidget>

namespace {

// Wraps every text in brackets, accents its letters and lengthens it by 40 %,
// keeping %1 and %n and the tags of HTML: "[Ŝéåŕçĥ~~]".
class PseudoLanguage : public QTranslator {
public:
    QString translate(const char *, const char *source, const char *, int) const override
    {
        static const QString plain = QStringLiteral("aceinosuyACEINOSUY"), accented = QStringLiteral("áçéîñöšüýÁÇÉÎÑÖŠÜÝ");
        QString out;
        bool inTag = false;
        for (const QChar c : QString::fromUtf8(source)) {
            inTag = c == u'<' || (inTag && c != u'>');
            const qsizetype at = plain.indexOf(c);
            out += inTag || at < 0 || (!out.isEmpty() && out.back() == u'%') ? c : accented[at];
        }
        return out.isEmpty() ? out : u'[' + out + QString(out.size() * 2 / 5 + 1, u'~') + u']';
    }
    bool isEmpty() const override { return false; }
};

// A text that comes from the data, not from the program: no letters but the
// grid's field names (numbers, "...", "ALT - MAR"), the species' name (a map's
// title), today's date, or the program's name.
bool isData(const QString &text)
{
    QString letters = text;
    letters.remove(QRegularExpression(QStringLiteral("\\b(ALT|MAR|MAT)\\b")));
    return !std::any_of(letters.begin(), letters.end(), [](QChar c) { return c.isLetter(); }) ||
           text == CurrentSpecies::instance().selectedName() || text == ApplicationTitle() ||
           text == QLocale().toString(QDate::currentDate(), QLocale::ShortFormat);
}

bool isPseudo(const QString &text) { return text.contains(u'[') && text.contains(QStringLiteral("~]")); }

// Every text a user reads in `window`, each with where it stands.
QList<QPair<QString, QString>> visibleTexts(QWidget *window)
{
    QList<QPair<QString, QString>> texts{{window->objectName() + QStringLiteral(" title"), window->windowTitle()}};
    const auto add = [&](const QObject *o, const char *what, const QString &text) {
        texts.append({o->objectName() + QLatin1Char(' ') + QLatin1String(what), text});
    };
    for (QWidget *w : window->findChildren<QWidget *>()) {
        // Menus are hidden until opened; a workspace window's own menu is Qt's, set once.
        if ((!w->isVisibleTo(window) && !qobject_cast<QMenu *>(w)) || qobject_cast<QMdiSubWindow *>(w) ||
            qobject_cast<QMdiSubWindow *>(w->parentWidget()))
            continue;
        add(w, "tool tip", w->toolTip());
        if (auto *label = qobject_cast<QLabel *>(w); label && label->pixmap().isNull())
            add(w, "text", label->text());
        if (auto *button = qobject_cast<QAbstractButton *>(w))
            add(w, "text", button->text());
        if (auto *group = qobject_cast<QGroupBox *>(w))
            add(w, "title", group->title());
        if (auto *edit = qobject_cast<QLineEdit *>(w))
            add(w, "placeholder", edit->placeholderText());
        if (auto *menu = qobject_cast<QMenu *>(w); menu && menu->objectName() != QLatin1String("menuLanguage"))
            add(w, "title", menu->title());
        if (auto *tabs = qobject_cast<QTabWidget *>(w))
            for (int i = 1; i < tabs->count(); ++i) // the first tab is the program's name
                add(w, "tab", tabs->tabText(i));
        if (auto *list = qobject_cast<QTreeWidget *>(w); list && !list->isHeaderHidden())
            for (int c = 0; c < list->columnCount(); ++c)
                add(w, "heading", list->headerItem()->text(c));
        if (w->objectName() != QLatin1String("menuLanguage")) // the languages' own names stay
            for (const QAction *action : w->actions())
                if (!action->isSeparator())
                    add(action, "action", action->text()), add(action, "action tip", action->toolTip());
    }
    return texts;
}

class InterfaceLanguage : public MapWindowsTest {
protected:
    void SetUp() override
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settingsDir.path());
        MapWindowsTest::SetUp();
        main->show();
        map = openMap(QStringLiteral("1"));
    }
    void TearDown() override
    {
        QCoreApplication::removeTranslator(&pseudo);
        SetApplicationLanguage(QStringLiteral("en"));
        MapWindowsTest::TearDown();
    }
    void usePseudoLanguage()
    {
        QCoreApplication::installTranslator(&pseudo);
        QApplication::processEvents(); // the change of language reaches the windows as posted events
        QApplication::processEvents();
    }
    // Every window of the program, opened as a user opens it.
    QList<QWidget *> openEveryWindow()
    {
        const MainCommands *menu = main->commands();
        ClickTool(map, QStringLiteral("k5"));
        QList<QWidget *> windows{main, main->ListWindow(), map, Opened<frmIdentifyEngine>([&] { ClickAt(map->mapTree, 5); })};
        for (QAction *command : {menu->menuTMC, menu->menuArea, menu->menuCount, menu->menuShift, menu->menuReport, menu->menuISR,
                                 menu->menuSearch, menu->menuAbout})
            windows << Opened<QWidget>([&] { command->trigger(); });
        menu->menuAD->trigger(), menu->menuGlossary->trigger(); // in the main window's workspace
        windows << main->findChild<frmHelp *>() << main->findChild<frmGlossary *>();
        ClickTool(map, QStringLiteral("k4"));
        windows << Opened<frmIdentifyMap>([&] { ClickAt(map->mapTree, 5); });
        auto *chooser = new frmSpecies(main);
        chooser->setAttribute(Qt::WA_DeleteOnClose);
        chooser->show();
        return windows << chooser;
    }

    QTemporaryDir settingsDir;
    PseudoLanguage pseudo;
    frmMap *map = nullptr;
};

TEST_F(InterfaceLanguage, EveryVisibleTextIsTranslatedAndFitsItsPlace)
{
    usePseudoLanguage();
    const QList<QWidget *> windows = openEveryWindow();
    QApplication::processEvents();
    for (QWidget *window : windows) {
        ASSERT_TRUE(window);
        for (const auto &[where, text] : visibleTexts(window))
            EXPECT_TRUE(text.isEmpty() || isData(text) || isPseudo(text)) << where.toStdString() << ": \"" << text.toStdString() << "\"";
        for (QWidget *w : window->findChildren<QWidget *>())
            if (w->isVisibleTo(window) && (qobject_cast<QLabel *>(w) || qobject_cast<QAbstractButton *>(w)))
                EXPECT_TRUE(CaptionFits(w)) << window->objectName().toStdString() << ": " << w->objectName().toStdString()
                                            << " is cut off at " << w->width() << " pixels";
    }
}

TEST_F(InterfaceLanguage, ChangeRetitlesOpenWindowsAndKeepsTheirState)
{
    const QList<QWidget *> windows = openEveryWindow();
    QStringList titles;
    for (QWidget *w : windows)
        titles << w->windowTitle();
    const QStringList listRows = ColumnTexts(main->ListWindow()->lstTree, 3);
    const QString species = CurrentSpecies::instance().selectedId();
    map->mapTree->setExtent(MapExtent(100.5, 0.5, 101.5, 1.5));
    const MapExtent extent = map->mapTree->extent();

    usePseudoLanguage();
    for (int i = 0; i < windows.size(); ++i)
        EXPECT_TRUE(isData(titles[i]) || isPseudo(windows[i]->windowTitle())) << titles[i].toStdString();
    EXPECT_EQ(ColumnTexts(main->ListWindow()->lstTree, 3), listRows);
    EXPECT_EQ(CurrentSpecies::instance().selectedId(), species);
    EXPECT_TRUE(isPseudo(main->ListWindow()->richDetail->toPlainText().section(u'\n', 0, 0))) << "fact sheet headings";
    EXPECT_EQ(map->mapTree->extent().left(), extent.left());
    EXPECT_EQ(map->mapTree->extent().top(), extent.top());

    QCoreApplication::removeTranslator(&pseudo);
    QApplication::processEvents();
    QApplication::processEvents();
    for (int i = 0; i < windows.size(); ++i)
        EXPECT_EQ(windows[i]->windowTitle(), titles[i]);
}

TEST_F(InterfaceLanguage, MenuChoiceTakesEffectAndIsKept)
{
    LanguageMenu *languages = main->commands()->menuLanguage;
    QStringList names;
    for (const QAction *item : languages->actions())
        names << item->text();
    EXPECT_EQ(names, (QStringList{"English", "Bahasa Indonesia", "Tiếng Việt", "ไทย", "Bahasa Melayu", "Filipino"}));

    for (QAction *item : languages->actions())
        if (item->data() == QStringLiteral("vi"))
            item->trigger();
    EXPECT_EQ(ApplicationLanguage(), QStringLiteral("vi"));
    EXPECT_EQ(SavedInterfaceLanguage(), QStringLiteral("vi"));
    EXPECT_EQ(QLocale().toString(1.5), QStringLiteral("1,5")) << "numbers in the windows follow the language";
    for (const QAction *item : languages->actions())
        EXPECT_EQ(item->isChecked(), item->data() == QStringLiteral("vi")) << item->text().toStdString();
    const QDir help(ApplicationFolder() + QStringLiteral("/Help"));
    help.mkpath(QStringLiteral("vi"));
    for (const QString page : {"index.htm", "vi/index.htm"})
        WriteFile(help.filePath(page), "<title>" + page.toUtf8() + "</title>");
    main->commands()->menuAD->trigger();
    EXPECT_EQ(main->findChild<frmHelp *>()->browserHelp->documentTitle(), QStringLiteral("vi/index.htm")) << "the manual in the language chosen";
}

TEST(StartLanguage, FollowsTheOptionThenTheSavedChoiceThenTheSystem)
{
    const struct {
        const char *requested, *saved;
        QStringList system;
        const char *expected;
    } cases[] = {
        {"th", "id", {"vi-VN"}, "th"},          {"", "id", {"vi-VN"}, "id"},
        {"xx", "", {"fil-PH"}, "fil"},          {"", "", {"de-DE", "ms_MY", "id"}, "ms"},
        {"", "", {"en-GB", "vi"}, "en"},        {"", "", {"zh-CN"}, "en"},
    };
    for (const auto &c : cases)
        EXPECT_EQ(StartLanguage(c.requested, c.saved, c.system), QString::fromLatin1(c.expected)) << c.requested << c.saved;
}

} // namespace

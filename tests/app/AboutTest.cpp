// The About box and the system-information lookups.
#include "app/AboutTexts.h"
#include "base/AppIdentity.h"
#include "app/MainCommands.h"
#include "app/Registry.h"
#include "app/SysInfoLookup.h"
#include "app/frmAbout.h"
#include "app/frmMain.h"
#include "tests/common/LoadedMainWindow.h"
#include "tests/common/QtPrinters.h"
#include "tests/common/WidgetTest.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMap>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

namespace {

const QString ToolKey = "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO";
const QString FolderKey = "SOFTWARE\\Microsoft\\Shared Tools Location";

// A registry of a few values under HKEY_LOCAL_MACHINE, each stored as given
// (with or without its NUL), that records what was asked of it.
class FakeRegistry : public RegistryApi {
public:
    struct Value {
        std::uint32_t type;
        QString data;
    };
    QMap<QString, QMap<QString, Value>> keys; // key name -> value name -> value
    QList<std::uint32_t> accessAsked;
    QList<int> capacityAsked;
    int open = 0;

    bool OpenKey(RegistryKey root, const QString &keyName, std::uint32_t access, RegistryKey &key) override
    {
        accessAsked << access;
        if (root != HKEY_LOCAL_MACHINE_ROOT || !keys.contains(keyName))
            return false;
        m_names << keyName;
        key = RegistryKey(m_names.size());
        ++open;
        return true;
    }
    bool QueryValue(RegistryKey key, const QString &valueName, int capacity, std::uint32_t &type, QString &data) override
    {
        capacityAsked << capacity;
        const auto values = keys.value(m_names.at(int(key) - 1));
        if (!values.contains(valueName))
            return false;
        type = values[valueName].type;
        data = values[valueName].data.left(capacity);
        return true;
    }
    void CloseKey(RegistryKey) override { --open; }

private:
    QStringList m_names;
};

QString WithNul(const QString &text) { return text + QChar(0); }

} // namespace

TEST(GetKeyValue, DropsTheTerminatingNulOfATextValue)
{
    FakeRegistry registry;
    registry.keys[ToolKey]["PATH"] = {RegistryTextType, WithNul("C:\\PROGRA~1\\COMMON~1\\msinfo32.exe")};
    QString value = "left over";
    EXPECT_TRUE(GetKeyValue(HKEY_LOCAL_MACHINE_ROOT, ToolKey, "PATH", value, registry));
    EXPECT_EQ(value, "C:\\PROGRA~1\\COMMON~1\\msinfo32.exe");
    EXPECT_EQ(registry.open, 0) << "the key is closed again";
    EXPECT_EQ(registry.capacityAsked, QList<int>{1024});
    EXPECT_EQ(registry.accessAsked, QList<std::uint32_t>{RegistryReadAccess});
}

TEST(GetKeyValue, KeepsAValueStoredWithoutItsNulWhole)
{
    FakeRegistry registry;
    registry.keys[FolderKey]["MSINFO"] = {RegistryTextType, "C:\\Tools"};
    QString value;
    EXPECT_TRUE(GetKeyValue(HKEY_LOCAL_MACHINE_ROOT, FolderKey, "MSINFO", value, registry));
    EXPECT_EQ(value, "C:\\Tools");
}

TEST(GetKeyValue, FailsWithAnEmptyValue)
{
    FakeRegistry registry;
    registry.keys[ToolKey]["OTHER"] = {RegistryTextType, WithNul("x")};
    registry.keys[FolderKey]["MSINFO"] = {4 /* a number */, "\x10\x00\x00\x00"};
    struct Case {
        const char *what;
        RegistryKey root;
        QString key, value;
    } cases[] = {
        {"missing key", HKEY_LOCAL_MACHINE_ROOT, "SOFTWARE\\Nothing", "PATH"},
        {"other root", 0x80000001u, ToolKey, "OTHER"},
        {"missing value", HKEY_LOCAL_MACHINE_ROOT, ToolKey, "PATH"},
        {"not text", HKEY_LOCAL_MACHINE_ROOT, FolderKey, "MSINFO"},
    };
    for (const Case &c : cases) {
        QString value = "left over";
        EXPECT_FALSE(GetKeyValue(c.root, c.key, c.value, value, registry)) << c.what;
        EXPECT_EQ(value, "") << c.what;
        EXPECT_EQ(registry.open, 0) << c.what << ": a key opened is closed again";
    }
}

TEST(FindSysInfoProgram, FirstLookupWinsWithoutAFileTest)
{
    FakeRegistry registry;
    registry.keys[ToolKey]["PATH"] = {RegistryTextType, WithNul("C:\\Tools\\msinfo32.exe")};
    registry.keys[FolderKey]["MSINFO"] = {RegistryTextType, WithNul("C:\\Other")};
    RegistrySysInfoLookup lookup(registry);
    QStringList tested;
    const auto exists = [&](const QString &path) { tested << path; return true; };
    EXPECT_EQ(FindSysInfoProgram(lookup, exists), "C:\\Tools\\msinfo32.exe");
    EXPECT_TRUE(tested.isEmpty());
}

TEST(FindSysInfoProgram, SecondLookupNeedsTheToolInThatFolder)
{
    FakeRegistry registry;
    registry.keys[FolderKey]["MSINFO"] = {RegistryTextType, WithNul("C:\\Shared\\MSInfo")};
    RegistrySysInfoLookup lookup(registry);
    QStringList tested;
    EXPECT_EQ(FindSysInfoProgram(lookup, [&](const QString &path) { tested << path; return false; }), "");
    EXPECT_EQ(tested, QStringList{"C:\\Shared\\MSInfo\\MSINFO32.EXE"});
    EXPECT_EQ(FindSysInfoProgram(lookup, [](const QString &) { return true; }), "C:\\Shared\\MSInfo\\MSINFO32.EXE");
}

TEST(FindSysInfoProgram, NeitherLookupFindsIt)
{
    FakeRegistry registry;
    RegistrySysInfoLookup lookup(registry);
    EXPECT_EQ(FindSysInfoProgram(lookup, [](const QString &) { return true; }), "");
}

TEST(FindSysInfoProgram, ConfiguredLookupTakesTheProgramThenTheFolder)
{
    QTemporaryDir dir;
    ConfiguredSysInfoLookup configured("/opt/tools/sysinfo", dir.path(), "hardinfo");
    const auto exists = [](const QString &path) { return QFileInfo(path).isFile(); };
    EXPECT_EQ(FindSysInfoProgram(configured, exists), "/opt/tools/sysinfo");

    ConfiguredSysInfoLookup inFolder("", dir.path(), "hardinfo");
    EXPECT_EQ(FindSysInfoProgram(inFolder, exists), "") << "the program is not in the folder yet";
    QFile tool(dir.path() + "/hardinfo");
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly));
    tool.close();
    EXPECT_EQ(FindSysInfoProgram(inFolder, exists), dir.path() + "/hardinfo");

    ConfiguredSysInfoLookup nothing("", "", "");
    EXPECT_EQ(FindSysInfoProgram(nothing, [](const QString &) { return true; }), "");
}

TEST(AboutTexts, LinesAreJoinedByCarriageReturnAndLineFeed)
{
    EXPECT_EQ(VersionText({2, 0, 5128}), "Version 2.0.5128");
    EXPECT_EQ(VersionText({10, 3, 7}), "Version 10.3.7");
    EXPECT_EQ(LegalWarning().split("\r\n").size(), 6);
    const QStringList support = SupportText().split("\r\n");
    ASSERT_EQ(support.size(), 8);
    EXPECT_EQ(support[0], "If you have any suggestion about this application");
    EXPECT_TRUE(support[1].contains('@'));
    EXPECT_EQ(support[2], "");
    EXPECT_EQ(support[5], "");
    EXPECT_EQ(support[6], "Build Using");
    EXPECT_FALSE(support[7].isEmpty());
}

namespace {

class AboutBox : public LoadedMainWindow {
protected:
    frmAbout *openAbout()
    {
        main->commands()->menuAbout->trigger();
        const auto open = TopLevelWindows<frmAbout>(true);
        return open.size() == 1 ? open.first() : nullptr;
    }

    // Clicks System Info... and answers the message box it may show: its title and text.
    static QStringList clickSysInfo(frmAbout *box)
    {
        const ShownMessage m = AnswerMessage([&] { QTest::mouseClick(box->cmdSysInfo, Qt::LeftButton); });
        return m.shown ? QStringList{m.title, m.text, QString::number(m.buttons), QString::number(m.icon)} : QStringList{};
    }

    QStringList started;
};

// Title, text, one button and no icon.
const QStringList Unavailable{"Silvaria Database South-East Asia", "System Information Is Unavailable At This Time", "1",
                              QString::number(QMessageBox::NoIcon)};

} // namespace

TEST_F(AboutBox, ShowsTitleVersionAndTabs)
{
    frmAbout *box = openAbout();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->windowTitle(), "About Silvaria Database South-East Asia");
    EXPECT_EQ(box->lblTitle->text(), "Silvaria Database South-East Asia");
    EXPECT_EQ(box->lblVersion->text(), "Version 2.0.5128");
    EXPECT_EQ(box->SSTab1->count(), 2);
    EXPECT_EQ(box->SSTab1->tabText(0), "Silvar-SEA");
    EXPECT_EQ(box->SSTab1->tabText(1), "Support");
    EXPECT_EQ(box->lblDisclaimer->text().split('\n').size(), 6);
    EXPECT_TRUE(box->txtProgrammer->toPlainText().startsWith("If you have any suggestion about this application\n"));
    EXPECT_EQ(box->cmdSysInfo->text(), "System Info...");
    EXPECT_EQ(box->cmdOK->text(), "Ok");
    EXPECT_TRUE(box->windowFlags() & Qt::WindowStaysOnTopHint);
}

TEST_F(AboutBox, SecondUseShowsTheSameBoxAndOkClosesIt)
{
    frmAbout *box = openAbout();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(openAbout(), box);
    EXPECT_EQ(TopLevelWindows<frmAbout>(true).size(), 1);
    QTest::mouseClick(box->cmdOK, Qt::LeftButton);
    EXPECT_TRUE(TopLevelWindows<frmAbout>(true).isEmpty());
}

TEST_F(AboutBox, BothLookupsFailingSaysSoAndStartsNothing)
{
    frmAbout *box = openAbout();
    ASSERT_NE(box, nullptr);
    FakeRegistry registry;
    box->sysInfoLookup = std::make_unique<RegistrySysInfoLookup>(registry);
    box->startProgram = [this](const QString &path) { started << path; return true; };
    EXPECT_EQ(clickSysInfo(box), Unavailable);
    EXPECT_TRUE(started.isEmpty());
    EXPECT_TRUE(box->isVisible()) << "the About box stays open";
}

TEST_F(AboutBox, SecondLookupWithTheToolFileMissingSaysSo)
{
    frmAbout *box = openAbout();
    ASSERT_NE(box, nullptr);
    FakeRegistry registry;
    registry.keys[FolderKey]["MSINFO"] = {RegistryTextType, WithNul("C:\\Shared\\MSInfo")};
    box->sysInfoLookup = std::make_unique<RegistrySysInfoLookup>(registry);
    box->fileExists = [](const QString &) { return false; };
    box->startProgram = [this](const QString &path) { started << path; return true; };
    EXPECT_EQ(clickSysInfo(box), Unavailable);
    EXPECT_TRUE(started.isEmpty());

    box->fileExists = [](const QString &path) { return path == "C:\\Shared\\MSInfo\\MSINFO32.EXE"; };
    EXPECT_EQ(clickSysInfo(box), QStringList{});
    EXPECT_EQ(started, QStringList{"C:\\Shared\\MSInfo\\MSINFO32.EXE"});
}

TEST_F(AboutBox, ToolThatCannotStartSaysSo)
{
    frmAbout *box = openAbout();
    ASSERT_NE(box, nullptr);
    QTemporaryDir dir;
    QFile tool(dir.path() + "/hardinfo");
    ASSERT_TRUE(tool.open(QIODevice::WriteOnly)); // not executable
    tool.close();
    box->sysInfoLookup = std::make_unique<ConfiguredSysInfoLookup>("", dir.path(), "hardinfo");
    EXPECT_EQ(clickSysInfo(box), Unavailable);
    EXPECT_TRUE(box->isVisible());
}

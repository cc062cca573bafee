#include "platform/DisplayCheck.h"
#include "app/frmSplash.h"
#include "base/InterfaceLanguage.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QLocale>

#include <cstdio>

namespace {

// The language asked for with --lang CODE; an unknown one is said and left aside.
QString LanguageAsked(const QStringList &arguments)
{
    QCommandLineParser parser;
    const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("code"));
    parser.addOption(lang);
    parser.parse(arguments);
    const QString code = parser.value(lang);
    if (!code.isEmpty() && !IsInterfaceLanguage(code)) {
        QStringList codes;
        for (const InterfaceLanguage &language : InterfaceLanguages())
            codes << language.code;
        std::fprintf(stderr, "%s\n",
                     qPrintable(QCoreApplication::translate("main", "silvaria: unknown language \"%1\"; choose one of %2")
                                    .arg(code, codes.join(QStringLiteral(", ")))));
    }
    return code;
}

} // namespace

int main(int argc, char *argv[])
{
    // Without a display Qt would abort with a backtrace; say what to do instead.
    if (DisplayMissing(PlatformFindsDisplayThroughVariables(), [](const char *name) { return !qEnvironmentVariableIsEmpty(name); })) {
        std::fprintf(stderr, "silvaria: no display found; start it under a virtual display: xvfb-run -a %s\n", argv[0]);
        return 2;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Silvaria"));
    QApplication::setOrganizationName(QStringLiteral("Silvaria")); // where QSettings keeps the language chosen
    SetApplicationLanguage(StartLanguage(LanguageAsked(app.arguments()), SavedInterfaceLanguage(), QLocale::system().uiLanguages()));
    // Ties the windows to the installed menu entry (its icon and name in task bars).
    QApplication::setDesktopFileName(QStringLiteral("org.example.silvaria.Silvaria"));
    auto *splash = new frmSplash;
    splash->show();
    return app.exec();
}

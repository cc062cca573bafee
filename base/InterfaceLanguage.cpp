#include "base/InterfaceLanguage.h"

#include "base/ApplicationFolder.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QSettings>
#include <QTranslator>

namespace {

const char *const LanguageKey = "interface/language";

struct InstalledLanguage {
    QString code = QStringLiteral("en");
    std::unique_ptr<QTranslator> own;
    std::unique_ptr<QTranslator> qt;
};

InstalledLanguage &installed()
{
    static InstalledLanguage language;
    return language;
}

// Qt's own texts (standard buttons, file dialogs) where Qt ships them.
std::unique_ptr<QTranslator> qtTranslator(const QString &code)
{
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QLocale(code), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        return nullptr;
    return translator;
}

// The language's conventions for numbers and dates; the system's own for
// English (as the program always had) and where the system speaks the chosen
// language (it knows the country too).
QLocale localeOf(const QString &code)
{
    const QLocale system = QLocale::system();
    const QLocale chosen(code);
    return code == QLatin1String("en") || system.language() == chosen.language() ? system : chosen;
}

} // namespace

const QList<InterfaceLanguage> &InterfaceLanguages()
{
    static const QList<InterfaceLanguage> languages{
        {QStringLiteral("en"), QStringLiteral("English")},
        {QStringLiteral("id"), QStringLiteral("Bahasa Indonesia")},
        {QStringLiteral("vi"), QStringLiteral("Ti\u1EBFng Vi\u1EC7t")},
        {QStringLiteral("th"), QStringLiteral("\u0E44\u0E17\u0E22")},
        {QStringLiteral("ms"), QStringLiteral("Bahasa Melayu")},
        {QStringLiteral("fil"), QStringLiteral("Filipino")},
    };
    return languages;
}

bool IsInterfaceLanguage(const QString &code)
{
    for (const InterfaceLanguage &language : InterfaceLanguages())
        if (language.code == code)
            return true;
    return false;
}

QString TranslationFile(const QString &code)
{
    return ApplicationPath(QStringLiteral("\\i18n\\silvaria_%1.qm").arg(code));
}

std::unique_ptr<QTranslator> LoadTranslator(const QString &code)
{
    if (code == QLatin1String("en") || !IsInterfaceLanguage(code))
        return nullptr;
    auto translator = std::make_unique<QTranslator>();
    if (!QFileInfo::exists(TranslationFile(code)) || !translator->load(TranslationFile(code)))
        return nullptr;
    return translator;
}

QString MatchInterfaceLanguage(const QStringList &uiLanguages)
{
    for (const QString &tag : uiLanguages) {
        // "fil-PH", "id_ID", "vi": the language is the part before the country.
        const QString language = tag.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
        if (IsInterfaceLanguage(language))
            return language;
    }
    return QStringLiteral("en");
}

QString StartLanguage(const QString &requested, const QString &saved, const QStringList &systemLanguages)
{
    if (IsInterfaceLanguage(requested))
        return requested;
    if (IsInterfaceLanguage(saved))
        return saved;
    return MatchInterfaceLanguage(systemLanguages);
}

QString SetApplicationLanguage(const QString &code)
{
    InstalledLanguage &language = installed();
    for (QTranslator *translator : {language.own.get(), language.qt.get()})
        if (translator)
            QCoreApplication::removeTranslator(translator);
    language.code = IsInterfaceLanguage(code) ? code : QStringLiteral("en");
    language.own = LoadTranslator(language.code);
    language.qt = language.code == QLatin1String("en") ? nullptr : qtTranslator(language.code);
    QLocale::setDefault(localeOf(language.code));
    // The last installed is asked first: Silvaria's texts before Qt's.
    for (QTranslator *translator : {language.qt.get(), language.own.get()})
        if (translator)
            QCoreApplication::installTranslator(translator);
    // Told even when no translation has a text yet: numbers follow the new locale.
    if (QCoreApplication::instance())
        QCoreApplication::postEvent(QCoreApplication::instance(), new QEvent(QEvent::LanguageChange));
    return language.code;
}

QString ApplicationLanguage() { return installed().code; }

QString TranslatedPage(const QString &path)
{
    const QFileInfo page(path);
    const QString translated = page.dir().filePath(ApplicationLanguage() + QLatin1Char('/') + page.fileName());
    return ApplicationLanguage() != QLatin1String("en") && QFileInfo::exists(translated) ? translated : path;
}

QString SavedInterfaceLanguage() { return QSettings().value(QLatin1String(LanguageKey)).toString(); }

void SaveInterfaceLanguage(const QString &code) { QSettings().setValue(QLatin1String(LanguageKey), code); }

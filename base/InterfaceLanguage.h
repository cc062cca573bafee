#pragma once
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>

class QTranslator;

// The languages the interface is offered in and how one is put in effect.
// Translations are <application folder>/i18n/silvaria_<code>.qm; English is the
// program's own text and needs none.
struct InterfaceLanguage {
    QString code; // "en", "id", "vi", "th", "ms", "fil"
    QString name; // in the language itself: "Bahasa Indonesia"
};

// English first, then the region's languages.
const QList<InterfaceLanguage> &InterfaceLanguages();
bool IsInterfaceLanguage(const QString &code);

QString TranslationFile(const QString &code);

// One language's translator of Silvaria's texts: null for English, for an
// unknown code and for a missing or unreadable file. A server answering in
// several languages keeps one per language and asks it with
// QTranslator::translate(context, source) per request.
std::unique_ptr<QTranslator> LoadTranslator(const QString &code);

// The first of the user's languages (as QLocale::uiLanguages() lists them,
// "id-ID", "vi", "fil-PH") that the interface is offered in; else English.
QString MatchInterfaceLanguage(const QStringList &uiLanguages);

// The language to start in: the one asked for (the --lang option), else the
// one chosen last time, else the system's (LANG), else English.
QString StartLanguage(const QString &requested, const QString &saved, const QStringList &systemLanguages);

// Puts a language in effect for the whole application: its translators
// (Silvaria's and Qt's own, where present) replace the ones before, and numbers
// and dates are formatted by its conventions (QLocale's default). Every widget
// is told with a QEvent::LanguageChange. Returns the language now in effect
// (English for an unknown code).
QString SetApplicationLanguage(const QString &code);
QString ApplicationLanguage();

// The page of the manual in the language now in effect: a translated copy in
// the page's folder's <code> subfolder where there is one, else the page itself.
QString TranslatedPage(const QString &path);

// The language chosen last in the desktop program (QSettings); empty if none.
QString SavedInterfaceLanguage();
void SaveInterfaceLanguage(const QString &code);

#pragma once
#include <QByteArray>
#include <QMap>
#include <QString>
#include <QStringList>
#include <QTranslator>

#include <memory>

// The pages' texts are English in the code, marked with
// QT_TRANSLATE_NOOP("WebPages", ...) for Qt's translation tools, and
// translated per request: requests in different languages are answered at
// the same time, so each language keeps its own translator instead of one
// installed for the whole program.
class WebTexts {
public:
    // Loads <folder>/silvaria_<code>.qm of each code found; English always.
    explicit WebTexts(const QString &i18nFolder);

    // "en" and the codes with a translation, in a fixed order.
    QStringList languages() const;
    // The language a request is answered in: `asked` (?lang=) when offered,
    // else the first offered of the Accept-Language list, else "en".
    QString choose(const QString &asked, const QByteArray &acceptLanguage) const;
    // The text in the language (the English source when it has none); the
    // pages' own texts are in the context "WebPages".
    QString text(const QString &language, const char *source, const char *context = "WebPages") const;
    // The language's translator of every text of the program; null for English.
    QTranslator *translator(const QString &language) const { return m_translators.value(language).get(); }
    // A language's own name ("Tiếng Việt").
    static QString nativeName(const QString &code);

private:
    QMap<QString, std::shared_ptr<QTranslator>> m_translators;
};

// The codes a translation may exist for.
QStringList TranslatedLanguageCodes();

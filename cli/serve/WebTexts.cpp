#include "cli/serve/WebTexts.h"

#include <QDir>
#include <QLocale>

QStringList TranslatedLanguageCodes()
{
    return {QStringLiteral("id"), QStringLiteral("vi"), QStringLiteral("th"), QStringLiteral("ms"), QStringLiteral("fil")};
}

WebTexts::WebTexts(const QString &i18nFolder)
{
    for (const QString &code : TranslatedLanguageCodes()) {
        auto translator = std::make_shared<QTranslator>();
        if (translator->load(QDir(i18nFolder).filePath(QStringLiteral("silvaria_%1.qm").arg(code))))
            m_translators.insert(code, translator);
    }
}

QStringList WebTexts::languages() const
{
    QStringList codes{QStringLiteral("en")};
    for (const QString &code : TranslatedLanguageCodes())
        if (m_translators.contains(code))
            codes << code;
    return codes;
}

QString WebTexts::choose(const QString &asked, const QByteArray &acceptLanguage) const
{
    const QStringList offered = languages();
    if (offered.contains(asked))
        return asked;
    // "vi-VN,vi;q=0.9,en;q=0.8": taken in the order given, each by its
    // primary code; weights are ignored, browsers list the best first.
    for (const QByteArray &entry : acceptLanguage.split(',')) {
        const QString code = QString::fromLatin1(entry.split(';').front().split('-').front()).trimmed().toLower();
        if (offered.contains(code))
            return code;
        if (code == QLatin1String("tl") && offered.contains(QStringLiteral("fil")))
            return QStringLiteral("fil");
    }
    return QStringLiteral("en");
}

QString WebTexts::text(const QString &language, const char *source, const char *context) const
{
    const auto translator = m_translators.value(language);
    const QString translated = translator ? translator->translate(context, source) : QString();
    return translated.isEmpty() ? QString::fromUtf8(source) : translated;
}

QString WebTexts::nativeName(const QString &code)
{
    const QLocale locale(code);
    const QString name = locale.nativeLanguageName();
    return name.isEmpty() || code == QLatin1String("en") ? QStringLiteral("English") : name;
}

#include "catalogue/CatalogueCheck.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <cmath>
#include <limits>

namespace {

// What a range may hold at all: the lowest and highest land, the driest and
// wettest places, the coldest and hottest yearly means where trees grow.
struct Plausible {
    const char *name;
    const char *unit;
    double lower, upper;
};
const Plausible Ranges[3] = {{"Altitude", "m", -500, 9000}, {"Rainfall", "mm", 0, 15000}, {"Temperature", "\u00b0C", -30, 40}};
// The catalogue keeps identifiers as 32-bit numbers.
constexpr int MaxSpId = std::numeric_limits<int>::max();
const char *const Uses[] = {"Timber", "Fruit", "Resin", "Fodder", "Firewood", "Charcoal", "Bamboo", "Rattan", "Others"};

// A JSON value's text as it stands in a file (quoted, escaped, UTF-8).
QByteArray jsonText(const QJsonValue &value)
{
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return array.mid(1, array.size() - 2);
}

// One source file: its bytes, parsed, and where things stand in it.
struct SourceFile {
    QString name; // relative to the sources folder
    QByteArray bytes;
    QJsonDocument doc;

    int lineAt(qsizetype offset) const { return int(bytes.left(std::max<qsizetype>(0, offset)).count('\n')) + 1; }
    // Where `needle` first stands at or after `from` (-1 when nowhere).
    qsizetype find(const QByteArray &needle, qsizetype from = 0) const { return bytes.indexOf(needle, std::max<qsizetype>(0, from)); }
    // The line of a value, searched after a key (the key's line when the value is not found as written).
    int lineOf(const QString &key, const QJsonValue &value = QJsonValue::Undefined, qsizetype from = 0) const
    {
        const qsizetype at = find(jsonText(key) + ':', from);
        if (value.isUndefined())
            return lineAt(at);
        const qsizetype valueAt = find(jsonText(value), std::max(at, from));
        return lineAt(valueAt >= 0 ? valueAt : at);
    }
};

class Checker {
public:
    explicit Checker(const QDir &dir) : m_dir(dir) {}
    QList<SourceProblem> problems;

    bool read(const QString &name, SourceFile &file)
    {
        file.name = name;
        QFile f(m_dir.filePath(name));
        if (!f.open(QIODevice::ReadOnly)) {
            report(file, 1, QStringLiteral("cannot read: %1").arg(f.errorString()));
            return false;
        }
        file.bytes = f.readAll();
        QJsonParseError error;
        file.doc = QJsonDocument::fromJson(file.bytes, &error);
        if (error.error != QJsonParseError::NoError) {
            report(file, file.lineAt(error.offset), QStringLiteral("not valid JSON: %1").arg(error.errorString()));
            return false;
        }
        return true;
    }
    void report(const SourceFile &file, int line, const QString &message) { problems.append({file.name, line, message}); }

private:
    QDir m_dir;
};

QString lower(const QString &name) { return name.simplified().toCaseFolded(); }

void checkRanges(Checker &check, const SourceFile &file, const QJsonObject &sp)
{
    const QJsonValue ranges = sp.value(QStringLiteral("Ranges"));
    if (ranges.isUndefined() || ranges.isNull())
        return;
    const qsizetype rangesAt = file.find("\"Ranges\"");
    if (!ranges.isObject()) {
        check.report(file, file.lineAt(rangesAt), QStringLiteral("Ranges is not an object of [minimum, maximum] pairs"));
        return;
    }
    for (const Plausible &p : Ranges) {
        const QString key = QString::fromLatin1(p.name);
        const QJsonValue pair = ranges.toObject().value(key);
        const int line = file.lineOf(key, QJsonValue::Undefined, rangesAt);
        if (pair.isUndefined() || pair.isNull())
            continue;
        const QJsonArray bounds = pair.toArray();
        if (!pair.isArray() || bounds.size() != 2 || !(bounds[0].isDouble() || bounds[0].isNull())
            || !(bounds[1].isDouble() || bounds[1].isNull())) {
            check.report(file, line, QStringLiteral("%1 range is not [minimum, maximum] (numbers or null)").arg(key));
            continue;
        }
        for (const QJsonValue &b : bounds)
            if (b.isDouble() && (b.toDouble() < p.lower || b.toDouble() > p.upper))
                check.report(file, line, QStringLiteral("%1 %2 %3 is outside any plausible value (%4 to %5 %3)")
                                             .arg(key).arg(b.toDouble()).arg(QString::fromUtf8(p.unit)).arg(p.lower).arg(p.upper));
        if (bounds[0].isDouble() && bounds[1].isDouble() && bounds[0].toDouble() > bounds[1].toDouble())
            check.report(file, line, QStringLiteral("%1 minimum %2 exceeds its maximum %3").arg(key).arg(bounds[0].toDouble()).arg(bounds[1].toDouble()));
    }
}

// Each entry of a list is looked for after the one before, so a repeated text
// gets its own line: the line of the entry ("{") after `cursor`, which moves there.
int nextEntryLine(const SourceFile &file, qsizetype &cursor)
{
    const qsizetype entry = file.find("{", cursor + 1);
    cursor = entry >= 0 ? entry : cursor;
    return file.lineAt(cursor);
}

QSet<QString> readLanguages(Checker &check)
{
    SourceFile file;
    QSet<QString> languages;
    if (!check.read(QStringLiteral("languages.json"), file))
        return languages;
    for (const QJsonValue &l : file.doc.array()) {
        if (languages.contains(l.toString()))
            check.report(file, file.lineAt(file.bytes.lastIndexOf(jsonText(l))), QStringLiteral("language \"%1\" listed twice").arg(l.toString()));
        languages.insert(l.toString());
    }
    if (!file.doc.isArray())
        check.report(file, 1, QStringLiteral("not a list of language names"));
    return languages;
}

QSet<QString> readCountries(Checker &check)
{
    SourceFile file;
    QSet<QString> countries;
    if (!check.read(QStringLiteral("countries.json"), file))
        return countries;
    if (!file.doc.isObject())
        check.report(file, 1, QStringLiteral("not an object of ISO code: country name"));
    // The catalogue compares codes without regard to letter case.
    QHash<QString, QString> folded;
    for (const QString &iso : file.doc.object().keys()) {
        if (folded.contains(iso.toCaseFolded()))
            check.report(file, file.lineOf(iso),
                         QStringLiteral("duplicate name: country code \"%1\" is also \"%2\"").arg(iso, folded.value(iso.toCaseFolded())));
        folded.insert(iso.toCaseFolded(), iso);
        countries.insert(iso);
    }
    return countries;
}

// The species files that read as JSON, in name order.
QList<SourceFile> readSpeciesFiles(Checker &check, const QDir &dir)
{
    const QDir speciesDir(dir.filePath(QStringLiteral("species")));
    const QStringList names = speciesDir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name);
    if (names.isEmpty())
        check.problems.append({QStringLiteral("species"), 1, QStringLiteral("no species files (species/*.json)")});
    QList<SourceFile> files;
    for (const QString &name : names) {
        SourceFile file;
        if (check.read(QStringLiteral("species/") + name, file))
            files << file;
    }
    return files;
}

// Checks every species' identifier and current name; returns the current
// names (folded name -> file).
QHash<QString, QString> checkIdentities(Checker &check, const QList<SourceFile> &files)
{
    QHash<QString, QString> currentNames;
    QHash<qlonglong, QString> ids;
    for (const SourceFile &file : files) {
        const QJsonObject sp = file.doc.object();
        const QJsonValue id = sp.value(QStringLiteral("SpID"));
        if (!id.isDouble() || id.toDouble() != std::floor(id.toDouble()) || id.toDouble() < 1 || id.toDouble() > MaxSpId)
            check.report(file, file.lineOf(QStringLiteral("SpID")), QStringLiteral("SpID is not a whole number from 1 to %1").arg(MaxSpId));
        else if (ids.contains(id.toInteger()))
            check.report(file, file.lineOf(QStringLiteral("SpID")), QStringLiteral("duplicate name: SpID %1 is also in %2").arg(id.toInteger()).arg(ids.value(id.toInteger())));
        else
            ids.insert(id.toInteger(), file.name);
        const QString name = sp.value(QStringLiteral("SpeciesName")).toString().simplified();
        if (name.isEmpty())
            check.report(file, file.lineOf(QStringLiteral("SpeciesName")), QStringLiteral("no SpeciesName"));
        else if (currentNames.contains(lower(name)))
            check.report(file, file.lineOf(QStringLiteral("SpeciesName")),
                         QStringLiteral("duplicate name: \"%1\" is also the species of %2").arg(name, currentNames.value(lower(name))));
        else
            currentNames.insert(lower(name), file.name);
    }
    return currentNames;
}

// Family, uses, ranges and invasive status.
void checkDescription(Checker &check, const SourceFile &file, const QJsonObject &sp)
{
    if (sp.value(QStringLiteral("Family")).toString().trimmed().isEmpty())
        check.report(file, file.lineOf(QStringLiteral("Family")), QStringLiteral("no Family"));
    for (const QJsonValue &use : sp.value(QStringLiteral("Uses")).toArray())
        if (std::none_of(std::begin(Uses), std::end(Uses), [&](const char *u) { return use.toString() == QLatin1String(u); }))
            check.report(file, file.lineOf(QStringLiteral("Uses"), use), QStringLiteral("unknown use \"%1\"").arg(use.toString()));
    checkRanges(check, file, sp);
    const QJsonValue invasive = sp.value(QStringLiteral("InvasiveStatus"));
    if (!invasive.isUndefined() && !invasive.isNull() && invasive.toInt(-1) != 1 && invasive.toInt(-1) != 2)
        check.report(file, file.lineOf(QStringLiteral("InvasiveStatus")), QStringLiteral("InvasiveStatus is 1 (potentially invasive), 2 (not) or null"));
}

void checkSynonyms(Checker &check, const SourceFile &file, const QJsonObject &sp, const QHash<QString, QString> &currentNames)
{
    const QString ownName = lower(sp.value(QStringLiteral("SpeciesName")).toString());
    qsizetype cursor = file.find("\"Synonyms\"");
    QSet<QString> synonyms;
    for (const QJsonValue &s : sp.value(QStringLiteral("Synonyms")).toArray()) {
        const int line = nextEntryLine(file, cursor);
        const QString synonym = s.toObject().value(QStringLiteral("Synonym")).toString().simplified();
        if (synonym.isEmpty()) {
            check.report(file, line, QStringLiteral("a synonym names no species (no \"Synonym\" text)"));
            continue;
        }
        if (lower(synonym) == ownName)
            check.report(file, line, QStringLiteral("duplicate name: synonym \"%1\" is the species' own name").arg(synonym));
        else if (currentNames.contains(lower(synonym)))
            check.report(file, line, QStringLiteral("duplicate name: synonym \"%1\" is the species of %2").arg(synonym, currentNames.value(lower(synonym))));
        else if (synonyms.contains(lower(synonym)))
            check.report(file, line, QStringLiteral("duplicate name: synonym \"%1\" listed twice").arg(synonym));
        synonyms.insert(lower(synonym));
    }
}

void checkCommonNames(Checker &check, const SourceFile &file, const QJsonObject &sp, const QSet<QString> &languages)
{
    const QJsonObject common = sp.value(QStringLiteral("CommonNames")).toObject();
    const qsizetype commonAt = file.find("\"CommonNames\"");
    for (auto it = common.begin(); it != common.end(); ++it) {
        const int line = file.lineOf(it.key(), QJsonValue::Undefined, commonAt);
        if (!languages.contains(it.key()))
            check.report(file, line, QStringLiteral("common name in an unknown language \"%1\" (not in languages.json)").arg(it.key()));
        QSet<QString> seen;
        for (const QJsonValue &n : it.value().toArray()) {
            if (seen.contains(lower(n.toString())))
                check.report(file, line, QStringLiteral("duplicate name: %1 name \"%2\" listed twice").arg(it.key(), n.toString()));
            seen.insert(lower(n.toString()));
        }
    }
}

void checkDistribution(Checker &check, const SourceFile &file, const QJsonObject &sp, const QSet<QString> &countries)
{
    const QJsonObject distribution = sp.value(QStringLiteral("Distribution")).toObject();
    for (const char *kind : {"native", "exotic"})
        for (const QJsonValue &iso : distribution.value(QString::fromLatin1(kind)).toArray())
            if (!countries.contains(iso.toString()))
                check.report(file, file.lineOf(QStringLiteral("Distribution"), iso), QStringLiteral("unknown country \"%1\" (not in countries.json)").arg(iso.toString()));
}

void checkImages(Checker &check, const SourceFile &file, const QJsonObject &sp, const QString &imageFolder)
{
    qsizetype cursor = file.find("\"Images\"");
    for (const QJsonValue &img : sp.value(QStringLiteral("Images")).toArray()) {
        const int line = nextEntryLine(file, cursor);
        const QString image = img.toObject().value(QStringLiteral("Image")).toString();
        const bool plain = !image.isEmpty() && !image.contains(QLatin1Char('/')) && !image.contains(QLatin1Char('\\'))
                        && !image.contains(QLatin1String(".."));
        if (!plain)
            check.report(file, line, QStringLiteral("photograph \"%1\" is not a plain file name").arg(image));
        else if (!imageFolder.isEmpty() && !QFileInfo(QDir(imageFolder).filePath(image + QStringLiteral(".jpg"))).isFile())
            check.report(file, line, QStringLiteral("photograph %1.jpg is not in %2").arg(image, imageFolder));
    }
}

} // namespace

QList<SourceProblem> CheckCatalogueSources(const QString &folder, const QString &imageFolder)
{
    const QDir dir(folder);
    Checker check(dir);
    const QSet<QString> languages = readLanguages(check);
    const QSet<QString> countries = readCountries(check);
    // Current names first, for synonyms that repeat one of another species.
    const QList<SourceFile> files = readSpeciesFiles(check, dir);
    const QHash<QString, QString> currentNames = checkIdentities(check, files);
    for (const SourceFile &file : files) {
        const QJsonObject sp = file.doc.object();
        checkDescription(check, file, sp);
        checkSynonyms(check, file, sp, currentNames);
        checkCommonNames(check, file, sp, languages);
        checkDistribution(check, file, sp, countries);
        checkImages(check, file, sp, imageFolder);
    }
    return check.problems;
}

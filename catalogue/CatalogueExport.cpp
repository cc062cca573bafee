#include "catalogue/CatalogueExport.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/modDatabase.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

const char *const UseColumns[] = {"Timber", "Fruit", "Resin", "Fodder", "Firewood", "Charcoal", "Bamboo", "Rattan", "Others"};
const char *const SheetColumns[] = {"Botanic",     "Cultivation",    "Habitat",   "Biophysical", "Biology", "Propagation",
                                    "TreeManagement", "Germplasm", "Products",    "Services", "Pests"};
const char *const AddInfoColumns[] = {"Properties", "Trade", "Yield", "Genetic", "Prospects"};
const char *const RangeNames[] = {"Altitude", "Rainfall", "Temperature"};
const char *const RangeColumns[][2] = {{"MinAltitude", "MaxAltitude"}, {"MinRainfall", "MaxRainfall"}, {"MinTemperature", "MaxTemperature"}};

// A JSON value as text on one line (strings quoted and escaped, UTF-8 kept),
// list items separated by ", " as people write them.
QString json(const QJsonValue &value)
{
    if (value.isArray()) {
        QStringList items;
        for (const QJsonValue &item : value.toArray())
            items << json(item);
        return QLatin1Char('[') + items.join(QStringLiteral(", ")) + QLatin1Char(']');
    }
    const QByteArray array = QJsonDocument(QJsonArray{value}).toJson(QJsonDocument::Compact);
    return QString::fromUtf8(array.mid(1, array.size() - 2));
}

QJsonValue jsonOf(const QVariant &v)
{
    if (v.isNull() || !v.isValid())
        return QJsonValue::Null;
    if (v.typeId() == QMetaType::QString || v.typeId() == QMetaType::QByteArray)
        return v.toString();
    return v.toDouble();
}

QString line(const QString &key, const QJsonValue &value) { return QStringLiteral("  %1: %2").arg(json(key), json(value)); }

// An object written one member a line, indented, for easy editing.
QString block(const QString &key, const QList<QPair<QString, QJsonValue>> &members)
{
    QStringList lines;
    for (const auto &[name, value] : members)
        lines << QStringLiteral("    %1: %2").arg(json(name), json(value));
    return QStringLiteral("  %1: {\n%2\n  }").arg(json(key), lines.join(QStringLiteral(",\n")));
}

QString fileNameOf(int spId, const QString &name, int digits)
{
    QString slug = name.toLower();
    slug.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    slug = slug.left(60);
    while (slug.endsWith(QLatin1Char('-')))
        slug.chop(1);
    while (slug.startsWith(QLatin1Char('-')))
        slug.remove(0, 1);
    return QStringLiteral("%1-%2.json").arg(spId, digits, 10, QLatin1Char('0')).arg(slug.isEmpty() ? QStringLiteral("species") : slug);
}

void writeFile(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit())
        throw CatalogueError(QStringLiteral("Cannot write %1: %2").arg(path, file.errorString()));
}

// Rows of a per-species table in stored order, grouped by SpID.
QMap<qlonglong, QList<QVariantList>> rowsBySpecies(Connection &c, const QString &statement, int columns)
{
    QMap<qlonglong, QList<QVariantList>> rows;
    for (RecordSet rs = c.Open(statement); !rs.isEOF(); rs.moveNext()) {
        QVariantList row;
        for (int i = 1; i <= columns; ++i)
            row << rs.value(i);
        rows[rs.value(0).toLongLong()] << row;
    }
    return rows;
}

// A list written one entry a line; without entries, [].
QString listMember(const QString &key, const QStringList &entries)
{
    return entries.isEmpty() ? QStringLiteral("  %1: []").arg(json(key))
                             : QStringLiteral("  %1: [\n%2\n  ]").arg(json(key), entries.join(QStringLiteral(",\n")));
}

// Identifier -> name of a two-column table.
QMap<qlonglong, QString> namesById(Connection &c, const QString &statement)
{
    QMap<qlonglong, QString> names;
    for (RecordSet rs = c.Open(statement); !rs.isEOF(); rs.moveNext())
        names.insert(rs.value(0).toLongLong(), rs.text(1));
    return names;
}

// Writes languages.json; returns the languages by identifier.
QMap<qlonglong, QString> writeLanguages(Connection &c, const QDir &dir)
{
    QMap<qlonglong, QString> languages;
    QJsonArray languageList;
    for (RecordSet rs = c.Open(QStringLiteral("SELECT LID, lang FROM t_Language ORDER BY LID")); !rs.isEOF(); rs.moveNext()) {
        languages.insert(rs.value(0).toLongLong(), rs.text(1));
        languageList << rs.text(1);
    }
    writeFile(dir.filePath(QStringLiteral("languages.json")), (json(languageList) + QLatin1Char('\n')).toUtf8());
    return languages;
}

// Writes countries.json, one country a line in code order.
void writeCountries(Connection &c, const QDir &dir)
{
    QMap<QString, QString> countries;
    for (RecordSet rs = c.Open(QStringLiteral("SELECT Iso, Isoname FROM Country")); !rs.isEOF(); rs.moveNext())
        countries.insert(rs.text(0), rs.text(1));
    QStringList countryLines;
    for (auto it = countries.cbegin(); it != countries.cend(); ++it)
        countryLines << line(it.key(), it.value());
    writeFile(dir.filePath(QStringLiteral("countries.json")),
              QStringLiteral("{\n%1\n}\n").arg(countryLines.join(QStringLiteral(",\n"))).toUtf8());
}

// What the species files name beside the Species rows: the languages,
// families and references by identifier, and the rows of the other tables by species.
struct SpeciesRows {
    QMap<qlonglong, QString> languages, families, references;
    QMap<qlonglong, QList<QVariantList>> synonyms, vernacular, distribution, addInfo, spRefs, images;
};

void readSpeciesRows(Connection &c, SpeciesRows &rows)
{
    rows.families = namesById(c, QStringLiteral("SELECT FID, Name FROM Family"));
    rows.references = namesById(c, QStringLiteral("SELECT RefID, Reference FROM [References]"));
    rows.synonyms = rowsBySpecies(c, QStringLiteral("SELECT SpID, Synonym, Genus, Name FROM Synonym ORDER BY rowid"), 3);
    rows.vernacular = rowsBySpecies(c, QStringLiteral("SELECT SpID, Name, LID FROM Vernacular ORDER BY rowid"), 2);
    rows.distribution = rowsBySpecies(c, QStringLiteral("SELECT SpID, Iso, Distribution FROM Distribution ORDER BY DistribID"), 2);
    rows.addInfo = rowsBySpecies(c, QStringLiteral("SELECT SpID, Properties, Trade, Yield, Genetic, Prospects FROM AddInfo ORDER BY rowid"), 5);
    rows.spRefs = rowsBySpecies(c, QStringLiteral("SELECT SpID, RefID FROM SpRef ORDER BY rowid"), 1);
    rows.images = rowsBySpecies(c, QStringLiteral("SELECT SpID, Image, Author, Details FROM Images ORDER BY rowid"), 3);
}

// SpID to InvasiveStatus: the fields of the Species row itself.
QStringList speciesFields(const RecordSet &sp, const QMap<qlonglong, QString> &families)
{
    QStringList parts{line(QStringLiteral("SpID"), double(sp.value(QStringLiteral("SpID")).toLongLong())),
                      line(QStringLiteral("SpeciesName"), sp.text(QStringLiteral("SpeciesName"))),
                      line(QStringLiteral("Genus"), sp.text(QStringLiteral("Genus"))),
                      line(QStringLiteral("Family"), families.value(sp.value(QStringLiteral("FID")).toLongLong()))};
    if (!sp.isNull(QStringLiteral("Authority")))
        parts << line(QStringLiteral("Authority"), sp.text(QStringLiteral("Authority")));
    QJsonArray uses;
    for (const char *use : UseColumns)
        if (sp.isYes(QString::fromLatin1(use)))
            uses << QString::fromLatin1(use);
    parts << line(QStringLiteral("Uses"), uses);
    QStringList ranges;
    for (int r = 0; r < 3; ++r)
        ranges << QStringLiteral("%1: %2").arg(json(QString::fromLatin1(RangeNames[r])),
                                               json(QJsonArray{jsonOf(sp.value(QString::fromLatin1(RangeColumns[r][0]))),
                                                               jsonOf(sp.value(QString::fromLatin1(RangeColumns[r][1])))}));
    parts << QStringLiteral("  \"Ranges\": {%1}").arg(ranges.join(QStringLiteral(", ")));
    parts << line(QStringLiteral("InvasiveStatus"), jsonOf(sp.value(QStringLiteral("InvasiveStatus"))));
    return parts;
}

// Synonyms, with the genus and printed name only where they differ from the listed name.
QString synonymsMember(const QList<QVariantList> &synonyms)
{
    QStringList synonymLines;
    for (const QVariantList &s : synonyms) {
        const QString listed = s[0].toString();
        QString entry = QStringLiteral("{\"Synonym\": %1").arg(json(listed));
        if (s[1].toString() != listed.section(QLatin1Char(' '), 0, 0))
            entry += QStringLiteral(", \"Genus\": %1").arg(json(s[1].toString()));
        if (s[2].toString() != listed)
            entry += QStringLiteral(", \"Name\": %1").arg(json(s[2].toString()));
        synonymLines << QStringLiteral("    ") + entry + QLatin1Char('}');
    }
    return listMember(QStringLiteral("Synonyms"), synonymLines);
}

// Languages in the order of languages.json, names in stored order.
QString commonNamesMember(const QList<QVariantList> &vernacular, const QMap<qlonglong, QString> &languages)
{
    QMap<qlonglong, QJsonArray> namesByLanguage;
    for (const QVariantList &v : vernacular)
        namesByLanguage[v[1].toLongLong()] << v[0].toString();
    QList<QPair<QString, QJsonValue>> common;
    for (auto it = namesByLanguage.cbegin(); it != namesByLanguage.cend(); ++it)
        common.append({languages.value(it.key(), QStringLiteral("LID %1").arg(it.key())), it.value()});
    return common.isEmpty() ? QStringLiteral("  \"CommonNames\": {}") : block(QStringLiteral("CommonNames"), common);
}

QString distributionMember(const QList<QVariantList> &distribution)
{
    QJsonArray native, exotic;
    for (const QVariantList &d : distribution)
        (d[1].toInt() == 1 ? native : exotic) << d[0].toString();
    return QStringLiteral("  \"Distribution\": {\"native\": %1, \"exotic\": %2}").arg(json(native), json(exotic));
}

// The fact sheet texts and the additional information (null when the species has none).
QStringList textMembers(const RecordSet &sp, const QList<QVariantList> &addInfo)
{
    QList<QPair<QString, QJsonValue>> texts;
    for (const char *column : SheetColumns)
        texts.append({QString::fromLatin1(column), jsonOf(sp.value(QString::fromLatin1(column)))});
    QStringList parts{block(QStringLiteral("Texts"), texts)};
    if (addInfo.isEmpty())
        return parts << QStringLiteral("  \"AddInfo\": null");
    QList<QPair<QString, QJsonValue>> members;
    for (int i = 0; i < 5; ++i)
        members.append({QString::fromLatin1(AddInfoColumns[i]), jsonOf(addInfo.front()[i])});
    return parts << block(QStringLiteral("AddInfo"), members);
}

// References, and the photographs when there are any.
QStringList sourceMembers(const QList<QVariantList> &spRefs, const QList<QVariantList> &images, const QMap<qlonglong, QString> &references)
{
    QStringList refLines;
    for (const QVariantList &r : spRefs)
        refLines << QStringLiteral("    ") + json(references.value(r[0].toLongLong()));
    QStringList parts{listMember(QStringLiteral("References"), refLines)};
    QStringList imageLines;
    for (const QVariantList &i : images)
        imageLines << QStringLiteral("    {\"Image\": %1, \"Author\": %2, \"Details\": %3}")
                          .arg(json(i[0].toString()), json(jsonOf(i[1])), json(jsonOf(i[2])));
    if (!imageLines.isEmpty())
        parts << listMember(QStringLiteral("Images"), imageLines);
    return parts;
}

// One species file's text.
QString speciesText(const RecordSet &sp, const SpeciesRows &rows)
{
    const qlonglong spId = sp.value(QStringLiteral("SpID")).toLongLong();
    QStringList parts = speciesFields(sp, rows.families);
    parts << synonymsMember(rows.synonyms.value(spId)) << commonNamesMember(rows.vernacular.value(spId), rows.languages)
          << distributionMember(rows.distribution.value(spId));
    parts << textMembers(sp, rows.addInfo.value(spId)) << sourceMembers(rows.spRefs.value(spId), rows.images.value(spId), rows.references);
    return QStringLiteral("{\n%1\n}\n").arg(parts.join(QStringLiteral(",\n")));
}

} // namespace

void ExportCatalogueSources(Connection &c, const QString &folder)
{
    const QDir dir(folder);
    if (!dir.mkpath(QStringLiteral("species")))
        throw CatalogueError(QStringLiteral("Cannot create %1").arg(dir.filePath(QStringLiteral("species"))));
    SpeciesRows rows;
    rows.languages = writeLanguages(c, dir);
    writeCountries(c, dir);
    readSpeciesRows(c, rows);
    RecordSet top = c.Open(QStringLiteral("SELECT MAX(SpID) FROM Species"));
    const int digits = std::max(3, int(QString::number(top.isEOF() ? 0 : top.value(0).toLongLong()).size()));
    for (RecordSet sp = c.Open(QStringLiteral("SELECT * FROM Species ORDER BY SpID")); !sp.isEOF(); sp.moveNext()) {
        const QString name = sp.text(QStringLiteral("SpeciesName"));
        const QString file = fileNameOf(int(sp.value(QStringLiteral("SpID")).toLongLong()), name, digits);
        writeFile(dir.filePath(QStringLiteral("species/") + file), speciesText(sp, rows).toUtf8());
    }
}

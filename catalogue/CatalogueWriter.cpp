#include "catalogue/CatalogueWriter.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/CatalogueSchema.h"
#include "catalogue/UnicodeText.h"

#include <sqlite3.h>

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QMap>
#include <QSet>

#include <memory>

namespace {

void exec(sqlite3 *db, const char *sql)
{
    char *error = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &error) != SQLITE_OK) {
        const QString message = QString::fromUtf8(error ? error : "unknown error");
        sqlite3_free(error);
        throw CatalogueError(QStringLiteral("%1 (%2)").arg(message, QString::fromUtf8(sql)));
    }
}

QJsonDocument readJson(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw CatalogueError(QStringLiteral("%1: %2").arg(path, file.errorString()));
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(file.readAll(), &error);
    if (error.error != QJsonParseError::NoError)
        throw CatalogueError(QStringLiteral("%1: %2 at offset %3").arg(path, error.errorString()).arg(error.offset));
    return doc;
}

// One prepared INSERT with positional values; a null QVariant binds Null.
class Inserter {
public:
    Inserter(sqlite3 *db, const char *sql) : m_db(db)
    {
        if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK)
            throw CatalogueError(QString::fromUtf8(sqlite3_errmsg(db)));
    }
    ~Inserter() { sqlite3_finalize(m_stmt); }
    void insert(const QVariantList &values)
    {
        for (int i = 0; i < values.size(); ++i) {
            const QVariant &v = values[i];
            if (v.isNull())
                sqlite3_bind_null(m_stmt, i + 1);
            else if (v.typeId() == QMetaType::Double)
                sqlite3_bind_double(m_stmt, i + 1, v.toDouble());
            else if (v.typeId() == QMetaType::Int || v.typeId() == QMetaType::LongLong || v.typeId() == QMetaType::Bool)
                sqlite3_bind_int64(m_stmt, i + 1, v.toLongLong());
            else {
                const QByteArray text = v.toString().toUtf8();
                sqlite3_bind_text(m_stmt, i + 1, text.constData(), int(text.size()), SQLITE_TRANSIENT);
            }
        }
        if (sqlite3_step(m_stmt) != SQLITE_DONE)
            throw CatalogueError(QString::fromUtf8(sqlite3_errmsg(m_db)));
        sqlite3_reset(m_stmt);
    }

private:
    sqlite3 *m_db;
    sqlite3_stmt *m_stmt = nullptr;
};

QVariant textOrNull(const QJsonValue &v)
{
    return v.isString() && !v.toString().isEmpty() ? QVariant(v.toString()) : QVariant();
}

QVariant numberOrNull(const QJsonValue &v) { return v.isDouble() ? QVariant(v.toDouble()) : QVariant(); }

const char *const UseColumns[] = {"Timber", "Fruit", "Resin", "Fodder", "Firewood", "Charcoal", "Bamboo", "Rattan", "Others"};
const char *const SheetColumns[] = {"Botanic",     "Cultivation",    "Habitat",   "Biophysical", "Biology", "Propagation",
                                    "TreeManagement", "Germplasm", "Products",    "Services", "Pests"};
const char *const AddInfoColumns[] = {"Properties", "Trade", "Yield", "Genetic", "Prospects"};

// The plain sources: the shared lists and one object per species file, in name order.
struct Sources {
    QJsonArray languages;
    QJsonObject countries;
    QList<QJsonObject> species;
};

Sources readSources(const QDir &dir)
{
    Sources sources;
    sources.languages = readJson(dir.filePath(QStringLiteral("languages.json"))).array();
    sources.countries = readJson(dir.filePath(QStringLiteral("countries.json"))).object();
    const QDir speciesDir(dir.filePath(QStringLiteral("species")));
    for (const QString &name : speciesDir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
        sources.species << readJson(speciesDir.filePath(name)).object();
    return sources;
}

// The names numbered from 1 in alphabetical order.
QMap<QString, int> numberedAlphabetically(const QStringList &names)
{
    QMap<QString, int> ids;
    for (const QString &name : names)
        ids.insert(name, 0);
    int next = 0;
    for (auto it = ids.begin(); it != ids.end(); ++it)
        it.value() = ++next;
    return ids;
}

// The identifiers the species rows refer to: languages numbered in the order
// of languages.json, families and references in alphabetical order.
struct Identifiers {
    QMap<QString, int> language, family, reference;
};

Identifiers numberSources(const Sources &sources)
{
    Identifiers ids;
    for (int i = 0; i < sources.languages.size(); ++i)
        ids.language.insert(sources.languages[i].toString(), i + 1);
    QStringList families, references;
    for (const QJsonObject &sp : sources.species) {
        families << sp.value("Family").toString();
        for (const QJsonValue &ref : sp.value("References").toArray())
            references << ref.toString();
    }
    ids.family = numberedAlphabetically(families);
    ids.reference = numberedAlphabetically(references);
    return ids;
}

// A table of identifier and name, one row per entry of `ids`.
void insertNumbered(sqlite3 *db, const char *sql, const QMap<QString, int> &ids)
{
    Inserter rows(db, sql);
    for (auto it = ids.cbegin(); it != ids.cend(); ++it)
        rows.insert({it.value(), it.key()});
}

// The tables the species refer to: languages, countries, families, references.
void writeSharedTables(sqlite3 *db, const Sources &sources, const Identifiers &ids)
{
    insertNumbered(db, "INSERT INTO t_Language (LID, lang) VALUES (?, ?)", ids.language);
    Inserter country(db, "INSERT INTO Country (Iso, Isoname) VALUES (?, ?)");
    for (auto it = sources.countries.begin(); it != sources.countries.end(); ++it)
        country.insert({it.key(), it.value().toString()});
    insertNumbered(db, "INSERT INTO Family (FID, Name) VALUES (?, ?)", ids.family);
    insertNumbered(db, "INSERT INTO [References] (RefID, Reference) VALUES (?, ?)", ids.reference);
}

// The Species row: identity, uses, ranges, invasive status and fact sheet texts.
QVariantList speciesRow(const QJsonObject &sp, int familyId)
{
    QSet<QString> uses;
    for (const QJsonValue &u : sp.value("Uses").toArray())
        uses.insert(u.toString());
    const QJsonObject ranges = sp.value("Ranges").toObject();
    const QJsonObject texts = sp.value("Texts").toObject();
    QVariantList row{sp.value("SpID").toInt(), sp.value("SpeciesName").toString(), sp.value("Genus").toString(), familyId,
                     textOrNull(sp.value("Authority"))};
    for (const char *use : UseColumns)
        row << (uses.contains(QString::fromLatin1(use)) ? 1 : 0);
    for (const char *range : {"Altitude", "Rainfall", "Temperature"}) {
        const QJsonArray pair = ranges.value(QString::fromLatin1(range)).toArray();
        row << numberOrNull(pair.at(0)) << numberOrNull(pair.at(1));
    }
    row << (sp.value("InvasiveStatus").isDouble() ? QVariant(sp.value("InvasiveStatus").toInt()) : QVariant());
    for (const char *column : SheetColumns)
        row << textOrNull(texts.value(QString::fromLatin1(column)));
    return row;
}

// The rows of each species in the tables that hold them, species by species.
class SpeciesTables {
public:
    SpeciesTables(sqlite3 *db, const QJsonObject &countries, const Identifiers &ids)
        : m_countries(countries), m_ids(ids),
          m_species(db, "INSERT INTO Species (SpID, SpeciesName, Genus, FID, Authority, Timber, Fruit, Resin, "
                        "Fodder, Firewood, Charcoal, Bamboo, Rattan, Others, MinAltitude, MaxAltitude, "
                        "MinRainfall, MaxRainfall, MinTemperature, MaxTemperature, InvasiveStatus, Botanic, "
                        "Cultivation, Habitat, Biophysical, Biology, Propagation, TreeManagement, Germplasm, "
                        "Products, Services, Pests) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                        "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)"),
          m_synonym(db, "INSERT INTO Synonym (SpID, Synonym, Genus, Name) VALUES (?, ?, ?, ?)"),
          m_vernacular(db, "INSERT INTO Vernacular (SpID, Name, LID) VALUES (?, ?, ?)"),
          m_distribution(db, "INSERT INTO Distribution (DistribID, SpID, Iso, Distribution) VALUES (?, ?, ?, ?)"),
          m_addInfo(db, "INSERT INTO AddInfo (SpID, Properties, Trade, Yield, Genetic, Prospects) VALUES (?, ?, ?, ?, ?, ?)"),
          m_spRef(db, "INSERT INTO SpRef (SpID, RefID) VALUES (?, ?)"),
          m_image(db, "INSERT INTO Images (SpID, Image, Author, Details) VALUES (?, ?, ?, ?)")
    {
    }

    void write(const QJsonObject &sp)
    {
        const int spId = sp.value("SpID").toInt();
        m_species.insert(speciesRow(sp, m_ids.family.value(sp.value("Family").toString())));
        writeSynonyms(sp, spId);
        writeCommonNames(sp, spId);
        writeDistribution(sp, spId);
        writeAddInfo(sp, spId);
        for (const QJsonValue &ref : sp.value("References").toArray())
            m_spRef.insert({spId, m_ids.reference.value(ref.toString())});
        for (const QJsonValue &img : sp.value("Images").toArray()) {
            const QJsonObject o = img.toObject();
            m_image.insert({spId, o.value("Image").toString(), textOrNull(o.value("Author")), textOrNull(o.value("Details"))});
        }
    }

private:
    void writeSynonyms(const QJsonObject &sp, int spId)
    {
        for (const QJsonValue &s : sp.value("Synonyms").toArray()) {
            const QJsonObject o = s.toObject();
            const QString listed = o.value("Synonym").toString();
            const QString printed = o.value("Name").toString(listed);
            m_synonym.insert({spId, listed, o.value("Genus").toString(listed.section(' ', 0, 0)), printed});
        }
    }
    void writeCommonNames(const QJsonObject &sp, int spId)
    {
        const QJsonObject common = sp.value("CommonNames").toObject();
        for (auto it = common.begin(); it != common.end(); ++it) {
            if (!m_ids.language.contains(it.key()))
                throw CatalogueError(QStringLiteral("%1: unknown language %2").arg(sp.value("SpeciesName").toString(), it.key()));
            for (const QJsonValue &n : it.value().toArray())
                m_vernacular.insert({spId, n.toString(), m_ids.language.value(it.key())});
        }
    }
    void writeDistribution(const QJsonObject &sp, int spId)
    {
        const QJsonObject dist = sp.value("Distribution").toObject();
        for (const auto &[kind, code] : {std::pair{"native", 1}, std::pair{"exotic", 2}}) {
            for (const QJsonValue &iso : dist.value(QString::fromLatin1(kind)).toArray()) {
                if (!m_countries.contains(iso.toString()))
                    throw CatalogueError(QStringLiteral("%1: unknown country %2").arg(sp.value("SpeciesName").toString(), iso.toString()));
                m_distribution.insert({++m_distribId, spId, iso.toString(), code});
            }
        }
    }
    void writeAddInfo(const QJsonObject &sp, int spId)
    {
        if (!sp.value("AddInfo").isObject())
            return;
        const QJsonObject add = sp.value("AddInfo").toObject();
        QVariantList row{spId};
        for (const char *column : AddInfoColumns)
            row << textOrNull(add.value(QString::fromLatin1(column)));
        m_addInfo.insert(row);
    }

    const QJsonObject &m_countries;
    const Identifiers &m_ids;
    Inserter m_species, m_synonym, m_vernacular, m_distribution, m_addInfo, m_spRef, m_image;
    int m_distribId = 0;
};

} // namespace

sqlite3 *CreateCatalogueFile(const QString &path)
{
    QFile::remove(path);
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(path).constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr)
        != SQLITE_OK) {
        const QString message = QString::fromUtf8(sqlite3_errmsg(db));
        sqlite3_close(db);
        throw CatalogueError(QStringLiteral("Cannot create %1: %2").arg(path, message));
    }
    RegisterUnicodeTextRules(db);
    exec(db, "PRAGMA journal_mode = OFF");
    exec(db, "BEGIN");
    CreateCatalogueSchema(db);
    return db;
}

void FinishCatalogueFile(sqlite3 *db, const QString &tempPath, const QString &finalPath)
{
    exec(db, "COMMIT");
    exec(db, "VACUUM");
    if (sqlite3_close(db) != SQLITE_OK)
        throw CatalogueError(QStringLiteral("Cannot close %1").arg(tempPath));
    QFile::remove(finalPath);
    if (!QFile::rename(tempPath, finalPath))
        throw CatalogueError(QStringLiteral("Cannot move %1 to %2").arg(tempPath, finalPath));
}

void WriteCatalogueFromSources(const QString &sourceDir, const QString &outFile)
{
    const Sources sources = readSources(QDir(sourceDir));
    const Identifiers ids = numberSources(sources);
    const QString tempPath = outFile + QStringLiteral(".part");
    sqlite3 *db = CreateCatalogueFile(tempPath);
    try {
        writeSharedTables(db, sources, ids);
        {
            SpeciesTables tables(db, sources.countries, ids);
            for (const QJsonObject &sp : sources.species)
                tables.write(sp);
        }
        FinishCatalogueFile(db, tempPath, outFile);
    } catch (...) {
        sqlite3_close(db);
        QFile::remove(tempPath);
        throw;
    }
}

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
    const QDir dir(sourceDir);
    const QJsonArray languages = readJson(dir.filePath(QStringLiteral("languages.json"))).array();
    const QJsonObject countries = readJson(dir.filePath(QStringLiteral("countries.json"))).object();
    QList<QJsonObject> species;
    const QDir speciesDir(dir.filePath(QStringLiteral("species")));
    for (const QString &name : speciesDir.entryList({QStringLiteral("*.json")}, QDir::Files, QDir::Name))
        species << readJson(speciesDir.filePath(name)).object();

    QMap<QString, int> languageId;
    for (int i = 0; i < languages.size(); ++i)
        languageId.insert(languages[i].toString(), i + 1);
    // Families and references are numbered in alphabetical order.
    QMap<QString, int> familyId, referenceId;
    for (const QJsonObject &sp : species) {
        familyId.insert(sp.value("Family").toString(), 0);
        for (const QJsonValue &ref : sp.value("References").toArray())
            referenceId.insert(ref.toString(), 0);
    }
    int next = 0;
    for (auto it = familyId.begin(); it != familyId.end(); ++it)
        it.value() = ++next;
    next = 0;
    for (auto it = referenceId.begin(); it != referenceId.end(); ++it)
        it.value() = ++next;

    const QString tempPath = outFile + QStringLiteral(".part");
    sqlite3 *db = CreateCatalogueFile(tempPath);
    try {
        {
            Inserter lang(db, "INSERT INTO t_Language (LID, lang) VALUES (?, ?)");
            for (auto it = languageId.cbegin(); it != languageId.cend(); ++it)
                lang.insert({it.value(), it.key()});
            Inserter country(db, "INSERT INTO Country (Iso, Isoname) VALUES (?, ?)");
            for (auto it = countries.begin(); it != countries.end(); ++it)
                country.insert({it.key(), it.value().toString()});
            Inserter family(db, "INSERT INTO Family (FID, Name) VALUES (?, ?)");
            for (auto it = familyId.cbegin(); it != familyId.cend(); ++it)
                family.insert({it.value(), it.key()});
            Inserter reference(db, "INSERT INTO [References] (RefID, Reference) VALUES (?, ?)");
            for (auto it = referenceId.cbegin(); it != referenceId.cend(); ++it)
                reference.insert({it.value(), it.key()});

            Inserter spInsert(db,
                              "INSERT INTO Species (SpID, SpeciesName, Genus, FID, Authority, Timber, Fruit, Resin, "
                              "Fodder, Firewood, Charcoal, Bamboo, Rattan, Others, MinAltitude, MaxAltitude, "
                              "MinRainfall, MaxRainfall, MinTemperature, MaxTemperature, InvasiveStatus, Botanic, "
                              "Cultivation, Habitat, Biophysical, Biology, Propagation, TreeManagement, Germplasm, "
                              "Products, Services, Pests) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                              "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
            Inserter synonym(db, "INSERT INTO Synonym (SpID, Synonym, Genus, Name) VALUES (?, ?, ?, ?)");
            Inserter vernacular(db, "INSERT INTO Vernacular (SpID, Name, LID) VALUES (?, ?, ?)");
            Inserter distribution(db, "INSERT INTO Distribution (DistribID, SpID, Iso, Distribution) VALUES (?, ?, ?, ?)");
            Inserter addInfo(db, "INSERT INTO AddInfo (SpID, Properties, Trade, Yield, Genetic, Prospects) VALUES (?, ?, ?, ?, ?, ?)");
            Inserter spRef(db, "INSERT INTO SpRef (SpID, RefID) VALUES (?, ?)");
            Inserter image(db, "INSERT INTO Images (SpID, Image, Author, Details) VALUES (?, ?, ?, ?)");

            int distribId = 0;
            for (const QJsonObject &sp : species) {
                const int spId = sp.value("SpID").toInt();
                const QString name = sp.value("SpeciesName").toString();
                const QSet<QString> uses = [&] {
                    QSet<QString> s;
                    for (const QJsonValue &u : sp.value("Uses").toArray())
                        s.insert(u.toString());
                    return s;
                }();
                const QJsonObject ranges = sp.value("Ranges").toObject();
                const QJsonObject texts = sp.value("Texts").toObject();
                QVariantList row{spId, name, sp.value("Genus").toString(), familyId.value(sp.value("Family").toString()),
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
                spInsert.insert(row);

                for (const QJsonValue &s : sp.value("Synonyms").toArray()) {
                    const QJsonObject o = s.toObject();
                    const QString listed = o.value("Synonym").toString();
                    const QString printed = o.value("Name").toString(listed);
                    synonym.insert({spId, listed, o.value("Genus").toString(listed.section(' ', 0, 0)), printed});
                }
                const QJsonObject common = sp.value("CommonNames").toObject();
                for (auto it = common.begin(); it != common.end(); ++it) {
                    if (!languageId.contains(it.key()))
                        throw CatalogueError(QStringLiteral("%1: unknown language %2").arg(name, it.key()));
                    for (const QJsonValue &n : it.value().toArray())
                        vernacular.insert({spId, n.toString(), languageId.value(it.key())});
                }
                const QJsonObject dist = sp.value("Distribution").toObject();
                for (const auto &[kind, code] : {std::pair{"native", 1}, std::pair{"exotic", 2}}) {
                    for (const QJsonValue &iso : dist.value(QString::fromLatin1(kind)).toArray()) {
                        if (!countries.contains(iso.toString()))
                            throw CatalogueError(QStringLiteral("%1: unknown country %2").arg(name, iso.toString()));
                        distribution.insert({++distribId, spId, iso.toString(), code});
                    }
                }
                if (sp.value("AddInfo").isObject()) {
                    const QJsonObject add = sp.value("AddInfo").toObject();
                    QVariantList addRow{spId};
                    for (const char *column : AddInfoColumns)
                        addRow << textOrNull(add.value(QString::fromLatin1(column)));
                    addInfo.insert(addRow);
                }
                for (const QJsonValue &ref : sp.value("References").toArray())
                    spRef.insert({spId, referenceId.value(ref.toString())});
                for (const QJsonValue &img : sp.value("Images").toArray()) {
                    const QJsonObject o = img.toObject();
                    image.insert({spId, o.value("Image").toString(), textOrNull(o.value("Author")), textOrNull(o.value("Details"))});
                }
            }
        }
        FinishCatalogueFile(db, tempPath, outFile);
    } catch (...) {
        sqlite3_close(db);
        QFile::remove(tempPath);
        throw;
    }
}

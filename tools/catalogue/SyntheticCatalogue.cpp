#include "tools/catalogue/SyntheticCatalogue.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/CatalogueWriter.h"

#include <sqlite3.h>

#include <QFile>
#include <QStringList>
#include <QVariant>

#include <cmath>
#include <random>

namespace {

const char *const Syllables[] = {"ka", "lo", "mi", "su", "ra", "te", "no", "pa", "di", "ven",
                                 "tra", "gor", "bel", "xi", "qua", "mon", "dra", "lu", "sen", "phy"};

QString word(std::mt19937 &rng, int syllables)
{
    std::uniform_int_distribution<int> pick(0, 19);
    QString w;
    for (int i = 0; i < syllables; ++i)
        w += QString::fromLatin1(Syllables[pick(rng)]);
    return w;
}

void bindAll(sqlite3_stmt *stmt, const QVariantList &values)
{
    for (int i = 0; i < values.size(); ++i) {
        const QVariant &v = values[i];
        if (v.typeId() == QMetaType::Double)
            sqlite3_bind_double(stmt, i + 1, v.toDouble());
        else if (v.typeId() == QMetaType::Int)
            sqlite3_bind_int(stmt, i + 1, v.toInt());
        else {
            const QByteArray t = v.toString().toUtf8();
            sqlite3_bind_text(stmt, i + 1, t.constData(), int(t.size()), SQLITE_TRANSIENT);
        }
    }
    sqlite3_step(stmt);
    sqlite3_reset(stmt);
}

sqlite3_stmt *prepare(sqlite3 *db, const char *sql)
{
    sqlite3_stmt *stmt = nullptr;
    if (sqlite3_prepare_v2(db, sql, -1, &stmt, nullptr) != SQLITE_OK)
        throw CatalogueError(QString::fromUtf8(sqlite3_errmsg(db)));
    return stmt;
}

} // namespace

void WriteSyntheticCatalogue(const QString &outFile, const SyntheticSize &size, unsigned seed)
{
    std::mt19937 rng(seed);
    std::uniform_real_distribution<double> unit(0.0, 1.0);
    const QString tempPath = outFile + QStringLiteral(".part");
    sqlite3 *db = CreateCatalogueFile(tempPath);
    const QStringList languages{"English", "Indonesian", "Malay", "Filipino", "Thai", "Vietnamese", "Khmer", "Lao", "Burmese", "French"};
    sqlite3_stmt *lang = prepare(db, "INSERT INTO t_Language VALUES (?, ?)");
    for (int i = 0; i < languages.size(); ++i)
        bindAll(lang, {i + 1, languages[i]});
    sqlite3_finalize(lang);
    sqlite3_stmt *country = prepare(db, "INSERT INTO Country VALUES (?, ?)");
    for (int i = 0; i < 40; ++i)
        bindAll(country, {QStringLiteral("C%1").arg(i), QStringLiteral("Country %1").arg(i)});
    sqlite3_finalize(country);
    sqlite3_stmt *family = prepare(db, "INSERT INTO Family VALUES (?, ?)");
    for (int i = 1; i <= 200; ++i)
        bindAll(family, {i, word(rng, 3) + QStringLiteral("aceae")});
    sqlite3_finalize(family);
    sqlite3_stmt *reference = prepare(db, "INSERT INTO [References] VALUES (?, ?)");
    for (int i = 1; i <= 2000; ++i)
        bindAll(reference, {i, QStringLiteral("Author %1 (1990). %2 of trees. Publisher.").arg(i).arg(word(rng, 4))});
    sqlite3_finalize(reference);

    const int genera = std::max(1, size.species / 10);
    QStringList genus;
    for (int i = 0; i < genera; ++i) {
        QString g = word(rng, 3);
        g[0] = g[0].toUpper();
        genus << g;
    }
    sqlite3_stmt *sp = prepare(db, "INSERT INTO Species VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                                   "?, ?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    const QString paragraph = QStringLiteral("A tree of humid lowland forest, planted for timber and shade. ").repeated(4);
    for (int id = 1; id <= size.species; ++id) {
        const QString g = genus[int(unit(rng) * genera) % genera];
        const double altMin = std::floor(unit(rng) * 1200), rainMin = 500 + std::floor(unit(rng) * 1500);
        const double tempMin = 10 + std::floor(unit(rng) * 120) / 10.0;
        QVariantList row{id, g + QLatin1Char(' ') + word(rng, 3), g, 1 + id % 200, QStringLiteral("Auth.")};
        for (int use = 0; use < 9; ++use)
            row << (unit(rng) < 0.3 ? 1 : 0);
        row << altMin << altMin + 300 + std::floor(unit(rng) * 2000) << rainMin << rainMin + 500 + std::floor(unit(rng) * 3000)
            << tempMin << tempMin + 4 + std::floor(unit(rng) * 80) / 10.0 << (unit(rng) < 0.1 ? 1 : 2);
        for (int text = 0; text < 11; ++text)
            row << paragraph;
        bindAll(sp, row);
    }
    sqlite3_finalize(sp);
    sqlite3_stmt *syn = prepare(db, "INSERT INTO Synonym VALUES (?, ?, ?, ?)");
    for (int i = 0; i < size.synonyms; ++i) {
        const QString g = genus[int(unit(rng) * genera) % genera];
        const QString name = g + QLatin1Char(' ') + word(rng, 3);
        bindAll(syn, {1 + int(unit(rng) * size.species) % size.species, name, g, name + QStringLiteral(" Auth.")});
    }
    sqlite3_finalize(syn);
    sqlite3_stmt *ver = prepare(db, "INSERT INTO Vernacular VALUES (?, ?, ?)");
    for (int i = 0; i < size.commonNames; ++i)
        bindAll(ver, {1 + int(unit(rng) * size.species) % size.species, word(rng, 2) + QLatin1Char(' ') + word(rng, 2),
                      1 + int(unit(rng) * languages.size()) % int(languages.size())});
    sqlite3_finalize(ver);
    sqlite3_stmt *dist = prepare(db, "INSERT INTO Distribution VALUES (?, ?, ?, ?)");
    sqlite3_stmt *add = prepare(db, "INSERT INTO AddInfo VALUES (?, ?, ?, ?, ?, ?)");
    sqlite3_stmt *spref = prepare(db, "INSERT INTO SpRef VALUES (?, ?)");
    int distId = 0;
    for (int id = 1; id <= size.species; ++id) {
        for (int k = 0; k < 3; ++k)
            bindAll(dist, {++distId, id, QStringLiteral("C%1").arg(int(unit(rng) * 40) % 40), k == 0 ? 1 : 2});
        bindAll(add, {id, paragraph, paragraph, paragraph, paragraph, paragraph});
        for (int k = 0; k < 2; ++k)
            bindAll(spref, {id, 1 + int(unit(rng) * 2000) % 2000});
    }
    sqlite3_finalize(dist);
    sqlite3_finalize(add);
    sqlite3_finalize(spref);
    FinishCatalogueFile(db, tempPath, outFile);
}

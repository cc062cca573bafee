// The bundled pictures and the catalogue's Images rows agree: every row has its
// picture, every picture belongs to a row, and each picture is a small JPEG.
#include "catalogue/modDatabase.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
#include <QImageReader>
#include <QSet>

#include <memory>

namespace {

// What the bundled pictures promise: enough species pictured, some left to
// show the request for pictures, and files small enough to ship.
constexpr int MinSpeciesPictured = 20;
constexpr int MinSpeciesWithoutPictures = 3;
constexpr qint64 MaxPictureBytes = 60 * 1024;

const QString ImageFolder = QStringLiteral(SILVARIA_SOURCE_DIR "/data/SpeciesImage");

QStringList Column(Connection &db, const QString &sql)
{
    QStringList out;
    for (RecordSet rows = db.Open(sql); !rows.isEOF(); rows.moveNext())
        out << rows.text(0);
    return out;
}

class SampleImages : public ::testing::Test {
protected:
    void SetUp() override { db = Connection::OpenFile(SILVARIA_SOURCE_DIR "/data/Database/dbsilvar.mdb"); }
    std::unique_ptr<Connection> db;
};

} // namespace

TEST_F(SampleImages, EveryRowHasASmallReadableJpeg)
{
    const QStringList names = Column(*db, "SELECT Image FROM Images ORDER BY Image");
    ASSERT_FALSE(names.isEmpty());
    for (const QString &name : names) {
        const QString path = ImageFolder + "/" + name + ".jpg";
        SCOPED_TRACE(path.toStdString());
        ASSERT_TRUE(QFileInfo(path).isFile());
        EXPECT_LE(QFileInfo(path).size(), MaxPictureBytes);
        QImageReader reader(path);
        EXPECT_EQ(reader.format(), "jpeg");
        EXPECT_FALSE(reader.read().isNull()) << reader.errorString().toStdString();
    }
}

TEST_F(SampleImages, EveryPictureBelongsToARow)
{
    const QStringList names = Column(*db, "SELECT Image FROM Images");
    const QSet<QString> rows(names.begin(), names.end());
    for (const QString &file : QDir(ImageFolder).entryList(QDir::Files)) {
        EXPECT_TRUE(file.endsWith(".jpg")) << file.toStdString();
        EXPECT_TRUE(rows.contains(QFileInfo(file).completeBaseName())) << file.toStdString() << " is in no Images row";
    }
}

TEST_F(SampleImages, EnoughSpeciesArePicturedAndSomeAskForPictures)
{
    const int pictured = Column(*db, "SELECT DISTINCT SpID FROM Images").size();
    const int without = Column(*db, "SELECT SpID FROM Species WHERE SpID NOT IN (SELECT SpID FROM Images)").size();
    EXPECT_GE(pictured, MinSpeciesPictured);
    EXPECT_GE(without, MinSpeciesWithoutPictures);
    for (const QString &perSpecies : Column(*db, "SELECT COUNT(*) FROM Images GROUP BY SpID"))
        EXPECT_LE(perSpecies.toInt(), 3);
}

TEST_F(SampleImages, DrawingsAreNeverPassedOffAsPhotographs)
{
    for (const QString &author : Column(*db, "SELECT Author FROM Images"))
        EXPECT_EQ(author, "Silvaria illustration (drawn plate)");
    for (const QString &details : Column(*db, "SELECT Details FROM Images"))
        EXPECT_TRUE(details.startsWith("Drawing: ")) << details.toStdString();
}

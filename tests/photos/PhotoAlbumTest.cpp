// The photo query, the picture file of a catalogue row and the request message.
#include "base/ApplicationFolder.h"
#include "catalogue/CatalogueError.h"
#include "photos/PhotoAlbum.h"
#include "photos/PhotoRequest.h"
#include "tests/common/FixtureCatalogue.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace {

QString Folder() { return ApplicationFolder() + QStringLiteral("/SpeciesImage/"); }

} // namespace

TEST(PhotoStatement, IsTheFixedTextFollowedDirectlyByTheSpeciesId)
{
    EXPECT_EQ(PhotoStatement("12"), "SELECT * FROM Images WHERE SpID =12");
    EXPECT_EQ(PhotoStatement(" 7 "), "SELECT * FROM Images WHERE SpID =7");
}

TEST(PhotoStatement, RefusesAnIdentifierThatIsNotANumber)
{
    EXPECT_THROW(PhotoStatement("1 OR 1=1"), CatalogueError);
    EXPECT_THROW(PhotoStatement(""), CatalogueError);
}

struct FileNameCase {
    const char *name;
    const char *image;
    bool accepted;
};

class PhotoFileName : public ::testing::TestWithParam<FileNameCase> {
protected:
    FixtureApplication app;
};

TEST_P(PhotoFileName, StaysInsideSpeciesImage)
{
    const FileNameCase &c = GetParam();
    const QString file = PhotoFile(QString::fromUtf8(c.image));
    if (c.accepted)
        EXPECT_EQ(file, Folder() + QString::fromUtf8(c.image) + ".jpg");
    else
        EXPECT_EQ(file, "") << c.image;
}

const FileNameCase kFileNames[] = {
    {"PlainName", "tectona_grandis_1", true},
    {"SpacesAndCapitals", "Tectona grandis 1", true},
    {"NonAscii", "keo_tai_tượng", true},
    {"SingleDotInside", "tectona.grandis", true},
    {"Empty", "", false},
    {"ParentFolder", "../Database/dbsilvar", false},
    {"DoubleDotAlone", "..", false},
    {"DoubleDotInName", "a..b", false},
    {"Subfolder", "sub/picture", false},
    {"BackslashSubfolder", "sub\\picture", false},
    {"BackslashParent", "..\\..\\secret", false},
    {"AbsolutePath", "/etc/passwd", false},
    {"DriveLetter", "C:secret", false},
    {"ControlCharacter", "name\nother", false},
};

INSTANTIATE_TEST_SUITE_P(Names, PhotoFileName, ::testing::ValuesIn(kFileNames),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(PhotoFile, RefusesALinkThatLeadsOutOfTheFolder)
{
    FixtureApplication app;
    QDir().mkpath(Folder());
    QFile secret(app.folder() + "/Database/secret.jpg");
    ASSERT_TRUE(secret.open(QIODevice::WriteOnly));
    secret.close();
    ASSERT_TRUE(QFile::link(secret.fileName(), Folder() + "escape.jpg"));
    EXPECT_EQ(PhotoFile("escape"), "");
}

TEST(PhotoAlbum, StepsThroughThreeRowsWithoutWrapping)
{
    FixtureApplication app("INSERT INTO Images VALUES (1, 'acacia_mangium_3', 'C. Person', 'Seeds');");
    PhotoAlbum album("1");
    ASSERT_FALSE(album.isEmpty());
    EXPECT_EQ(album.current().image, "acacia_mangium_1");
    EXPECT_FALSE(album.MovePrevious());
    EXPECT_EQ(album.current().image, "acacia_mangium_1");
    EXPECT_TRUE(album.MoveNext());
    EXPECT_TRUE(album.MoveNext());
    EXPECT_EQ(album.current().image, "acacia_mangium_3");
    EXPECT_EQ(album.current().author, "C. Person");
    EXPECT_EQ(album.current().details, "Seeds");
    EXPECT_FALSE(album.MoveNext());
    EXPECT_EQ(album.current().image, "acacia_mangium_3");
    EXPECT_TRUE(album.MovePrevious());
    EXPECT_EQ(album.current().image, "acacia_mangium_2");
}

TEST(PhotoAlbum, SpeciesWithoutRowsIsEmptyAndCannotMove)
{
    FixtureApplication app;
    PhotoAlbum album("3");
    EXPECT_TRUE(album.isEmpty());
    EXPECT_FALSE(album.MoveNext());
    EXPECT_FALSE(album.MovePrevious());
    EXPECT_EQ(album.current().image, "");
}

TEST(PhotoRequest, HasTheTenLinesInOrder)
{
    const QStringList lines = PhotoRequestMessage().split("\r\n");
    ASSERT_EQ(lines.size(), 10) << PhotoRequestMessage().toStdString();
    EXPECT_EQ(lines[0], "Images still needed for this species");
    EXPECT_EQ(lines[1], "If you have any suitable shots please send to:");
    EXPECT_EQ(lines[2], "");
    EXPECT_EQ(lines[3], "Silvaria Database South-East Asia");
    for (int i = 4; i < 8; ++i)
        EXPECT_FALSE(lines[i].isEmpty()) << "line " << i + 1;
    EXPECT_EQ(lines[8], "");
    EXPECT_TRUE(lines[9].startsWith("email: ")) << lines[9].toStdString();
    EXPECT_TRUE(lines[9].contains('@'));
    EXPECT_FALSE(PhotoRequestMessage().contains(QRegularExpression("(?<!\r)\n"))) << "every line ends with CR LF";
}

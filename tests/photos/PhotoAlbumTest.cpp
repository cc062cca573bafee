// The photo query, the picture file of a catalogue row and the request message.
#include "base/ApplicationFolder.h"
#include "photos/PhotoAlbum.h"
#include "photos/PhotoRequest.h"
#include "tests/common/Files.h"
#include "tests/common/FixtureCatalogue.h"
#include "tests/common/QtPrinters.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

namespace {

QString Folder() { return ApplicationFolder() + QStringLiteral("/SpeciesImage/"); }

} // namespace

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
    const QString secret = app.folder() + "/Database/secret.jpg";
    ASSERT_TRUE(WriteFile(secret, ""));
    ASSERT_TRUE(QFile::link(secret, Folder() + "escape.jpg"));
    EXPECT_EQ(PhotoFile("escape"), "");
}

TEST(PhotoAlbum, ASpeciesWithoutPhotosHasNoneToMoveTo)
{
    FixtureApplication app;
    PhotoAlbum album("3");
    EXPECT_TRUE(album.isEmpty());
    EXPECT_FALSE(album.MoveNext());
    EXPECT_FALSE(album.MovePrevious());
}

// The fact sheet's text and the formatting of its headings.
#include "catalogue/CatalogueError.h"
#include "factsheet/FactSheet.h"
#include "factsheet/windows/frmList.h"
#include "tests/common/FixtureCatalogue.h"

#include <gtest/gtest.h>

#include <QGlyphRun>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>

namespace {

class FactSheetText : public ::testing::Test {
protected:
    FixtureApplication app;
};

// The character format at a document position (of the character after it).
QTextCharFormat formatAt(QTextDocument &doc, int position)
{
    QTextCursor c(&doc);
    c.setPosition(position + 1);
    return c.charFormat();
}

bool isHeadingFormat(QTextDocument &doc, int from, int length, const QColor &color)
{
    for (int i = from; i < from + length; ++i) {
        const QTextCharFormat f = formatAt(doc, i);
        if (f.foreground().color() != color || f.fontWeight() != QFont::Bold || f.fontPointSize() != 10 || f.fontItalic())
            return false;
    }
    return true;
}

} // namespace

TEST_F(FactSheetText, CompleteSpeciesReadsLineByLine)
{
    const QString expected =
        "-Species Identity-\r\n1. Taxonomy\r\nCurrent Name: Acacia mangium\r\nAuthority: Willd.\r\nFamily: Fabaceae\r\n\r\n"
        "2. Synonym(s)\r\nRacosperma mangium (Willd.) Pedley\r\n"
        "\r\n3. Common Names\r\n(English) : mangium\r\n(Vietnamese) : keo tai tượng\r\n"
        "\r\n4. Botanic Descriptions\r\nA tree to 30 m.\r\n\r\n"
        "-Ecology and Distribution-\r\n1. History of Cultivation\r\nPlanted since 1966.\r\n\r\n"
        "2. Natural Habitat\r\nLowland rain forest.\r\n\r\n"
        "3. Geographic Distribution\r\n(Native) : Australia\r\n(Native) : Indonesia\r\n(Exotic) : Malaysia\r\n"
        "\r\n4. Biophysical Limits\r\nAltitude 0-800 m.\r\n\r\n5. Reproductive Biology\r\nInsect pollinated.\r\n\r\n"
        "-Propagation and Management-\r\n1. Propagation Methods\r\nFrom seed.\r\n\r\n2. Tree Management\r\nThin at 3 years.\r\n\r\n"
        "3. Germplasm Management\r\nSeed is orthodox.\r\n\r\n"
        "-Functional Uses-\r\n1. Products\r\nPulp and sawn timber.\r\n\r\n2. Services\r\nFixes nitrogen.\r\n\r\n"
        "3. Pests and Diseases\r\nHeart rot.\r\n\r\n"
        "-Additional Information-\r\n1. Properties\r\nDensity 420-480 kg/m3.\r\n\r\n2. Trade\r\nTraded as pulpwood.\r\n\r\n"
        "3. Yields\r\nMAI 20-30 m3/ha.\r\n\r\n4. Genetic\r\n\r\n\r\n5. Prospects\r\nWidely planted.\r\n\r\n"
        "-Bibliography-\r\nAlpha, B. (1993). Acacia mangium.\r\n\r\n";
    EXPECT_EQ(BuildFactSheet("1").toStdString(), expected.toStdString());
}

TEST_F(FactSheetText, EmptyListsLeaveTheirHeadingsAlone)
{
    const QString sheet = BuildFactSheet("5");
    // No synonyms, one common name, no references, no additional information.
    EXPECT_TRUE(sheet.contains("2. Synonym(s)\r\n\r\n3. Common Names\r\n(Vietnamese) : đinh\r\n\r\n4. Botanic"));
    EXPECT_TRUE(sheet.endsWith("-Bibliography-\r\n"));
    for (const char *heading : {"1. Properties", "2. Trade", "3. Yields", "4. Genetic", "5. Prospects"})
        EXPECT_TRUE(sheet.contains(QString::fromLatin1(heading) + "\r\n- No Data -\r\n\r\n")) << heading;
}

TEST_F(FactSheetText, NoDistributionShowsNoDataThenTheNextHeading)
{
    const QString sheet = BuildFactSheet("3");
    EXPECT_TRUE(sheet.contains("3. Geographic Distribution\r\n- No Data -\r\n\r\n4. Biophysical Limits\r\n"));
}

TEST_F(FactSheetText, MissingSpeciesOrFamilyIsAnError)
{
    EXPECT_THROW(BuildFactSheet("999"), CatalogueError);
    EXPECT_THROW(BuildFactSheet("6"), CatalogueError); // its family has no row
    EXPECT_THROW(BuildFactSheet("1; DROP TABLE Species"), CatalogueError);
}

TEST_F(FactSheetText, HeadingsAreFormattedWhereTheyStand)
{
    QTextDocument doc;
    doc.setPlainText(FactSheetDisplayText(BuildFactSheet("5")));
    ColorizeFactSheet(&doc);
    const QString text = doc.toPlainText();
    // Every section heading ("-Functional Uses-") is blue, every numbered heading ("2. Trade") black.
    int headings = 0, at = 0;
    for (const QString &line : text.split('\n')) {
        const bool section = line.startsWith('-') && line.endsWith('-') && line != "- No Data -";
        if (section || QRegularExpression("^\\d\\. [A-Z]").match(line).hasMatch()) {
            EXPECT_TRUE(isHeadingFormat(doc, at, int(line.size()), section ? QColor(0, 0, 255) : QColor(Qt::black)))
                << line.toStdString();
            ++headings;
        }
        at += int(line.size()) + 1;
    }
    EXPECT_EQ(headings, 26);
    // Body text stays plain.
    const int name = int(text.indexOf("Markhamia stipulata"));
    EXPECT_NE(formatAt(doc, name).fontWeight(), QFont::Bold);
    // Every "- No Data -" is italic, not bold.
    int noData = 0;
    for (qsizetype at = text.indexOf("- No Data -"); at >= 0; at = text.indexOf("- No Data -", at + 1), ++noData) {
        const QTextCharFormat f = formatAt(doc, int(at) + 3);
        EXPECT_TRUE(f.fontItalic());
        EXPECT_NE(f.fontWeight(), QFont::Bold);
    }
    EXPECT_EQ(noData, 5);
}

TEST(FactSheetFormat, HeadingTextInsideAValueIsFormattedInAnyCase)
{
    QTextDocument doc;
    doc.setPlainText("Intro\nsee 2. TRADE below\n2. Trade\n");
    ColorizeFactSheet(&doc);
    EXPECT_TRUE(isHeadingFormat(doc, 10, 8, Qt::black));
    EXPECT_TRUE(isHeadingFormat(doc, 25, 8, Qt::black));
}

namespace {

// The height of the ink of `text` laid out in `font` (glyphs from fallback fonts included).
qreal InkHeight(const QFont &font, const QString &text)
{
    QTextLayout layout(text, font);
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QRectF ink;
    for (const QGlyphRun &run : layout.glyphRuns())
        for (const quint32 glyph : run.glyphIndexes())
            ink |= run.rawFont().boundingRect(glyph);
    return ink.height();
}

} // namespace

TEST(FactSheetFont, EveryScriptOfTheCatalogueIsDrawnAsLargeAsTheLatinText)
{
    QFont font;
    font.setFamilies(FactSheetFamilies());
    font.setPointSizeF(48); // large, so that the ink is measured finely
    // Letters without marks above or below: their ink is the script's body.
    const qreal latin = InkHeight(font, "xoa");
    const struct {
        const char *script, *letters;
    } scripts[] = {{"Thai", "กนม"}, {"Burmese", "ကမန"}, {"Khmer", "កនម"}, {"Lao", "ກນມ"}, {"Devanagari", "कमन"}, {"Chinese", "柚木"}};
    for (const auto &s : scripts) {
        const qreal height = InkHeight(font, QString::fromUtf8(s.letters));
        EXPECT_GE(height, 0.9 * latin) << s.script << ": " << height << " against " << latin;
    }
}

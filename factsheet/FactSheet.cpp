#include "factsheet/FactSheet.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/ListStatements.h"
#include "catalogue/modDatabase.h"

#include <QTextCursor>
#include <QTextDocument>

namespace {

const QString CRLF = QStringLiteral("\r\n");

const QString SpeciesQuery = QStringLiteral(
    "SELECT Species.*, Family.Name FROM Family INNER JOIN Species ON Family.FID = Species.FID WHERE SpID = ");
const QString SynonymQuery = QStringLiteral(
    "SELECT Species.SpID, Species.SpeciesName, Species.Genus, Synonym.Name FROM Species INNER JOIN Synonym ON "
    "Species.SpID = Synonym.SpID WHERE Species.SpID = ");
const QString CommonNameQuery = QStringLiteral(
    "SELECT Vernacular.SpID, Vernacular.Name, t_Language.lang AS lang, Species.SpeciesName FROM Species INNER JOIN "
    "(t_Language INNER JOIN Vernacular ON t_Language.LID = Vernacular.LID) ON Species.SpID = Vernacular.SpID "
    "WHERE Species.SpID = ");
const QString DistributionQuery = QStringLiteral(
    "SELECT DISTINCTROW Distribution.DistribID, Species.SpID, Species.SpeciesName, Country.Isoname, "
    "Distribution.Distribution FROM Country INNER JOIN (Species INNER JOIN Distribution ON Species.SpID = "
    "Distribution.SpID) ON Country.Iso = Distribution.Iso WHERE Species.SpID = ");
const QString AddInfoQuery = QStringLiteral("SELECT * FROM AddInfo WHERE SpID = ");
const QString ReferenceQuery = QStringLiteral(
    "SELECT SpRef.SpID, References.Reference FROM [References] INNER JOIN SpRef ON References.RefID = SpRef.RefID "
    "WHERE SpID = ");

struct Heading {
    const char *text;
    bool section; // blue section heading, else a black sub-heading
};

// The headings in the order they are formatted.
const Heading Headings[] = {
    {"-Species Identity-", true},
    {"1. Taxonomy", false}, {"2. Synonym(s)", false}, {"3. Common Names", false}, {"4. Botanic Descriptions", false},
    {"-Ecology and Distribution-", true},
    {"1. History of Cultivation", false}, {"2. Natural Habitat", false}, {"3. Geographic Distribution", false},
    {"4. Biophysical Limits", false}, {"5. Reproductive Biology", false},
    {"-Propagation and Management-", true},
    {"1. Propagation Methods", false}, {"2. Tree Management", false}, {"3. Germplasm Management", false},
    {"-Functional Uses-", true},
    {"1. Products", false}, {"2. Services", false}, {"3. Pests and Diseases", false},
    {"-Additional Information-", true},
    {"1. Properties", false}, {"2. Trade", false}, {"3. Yields", false}, {"4. Genetic", false}, {"5. Prospects", false},
    {"-Bibliography-", true},
};

// A heading line, then its text and a blank line.
QString paragraph(const QString &heading, const QString &text) { return heading + CRLF + text + CRLF + CRLF; }

// A heading line, then the species field's value and a blank line.
QString section(const QString &heading, const RecordSet &species, const char *field)
{
    return paragraph(heading, species.text(QString::fromLatin1(field)));
}

// Taxonomy, synonyms and common names.
QString speciesIdentity(Connection &db, const RecordSet &species, const QString &id)
{
    QString t = QStringLiteral("-Species Identity-") + CRLF + QStringLiteral("1. Taxonomy") + CRLF;
    t += QStringLiteral("Current Name: ") + species.text(QStringLiteral("SpeciesName")) + CRLF;
    t += QStringLiteral("Authority: ") + species.text(QStringLiteral("Authority")) + CRLF;
    t += QStringLiteral("Family: ") + species.text(QStringLiteral("Name")) + CRLF + CRLF;

    t += QStringLiteral("2. Synonym(s)") + CRLF;
    for (RecordSet rs = db.Open(SynonymQuery + id); !rs.isEOF(); rs.moveNext())
        t += rs.text(QStringLiteral("Name")) + CRLF;

    t += CRLF + QStringLiteral("3. Common Names") + CRLF;
    for (RecordSet rs = db.Open(CommonNameQuery + id + QStringLiteral(" ORDER BY lang ASC")); !rs.isEOF(); rs.moveNext())
        t += QStringLiteral("(") + rs.text(QStringLiteral("lang")) + QStringLiteral(") : ") + rs.text(QStringLiteral("Name")) + CRLF;
    return t;
}

// The countries where the species is native or exotic.
QString geographicDistribution(Connection &db, const QString &id)
{
    QString t = QStringLiteral("3. Geographic Distribution") + CRLF;
    RecordSet dist = db.Open(DistributionQuery + id + QStringLiteral(" ORDER BY Distribution.Distribution ASC"));
    if (dist.isEOF())
        t += QStringLiteral("- No Data -") + CRLF;
    for (; !dist.isEOF(); dist.moveNext()) {
        const bool native = !dist.isNull(QStringLiteral("Distribution")) && dist.number(QStringLiteral("Distribution")) == 1;
        t += (native ? QStringLiteral("(Native) : ") : QStringLiteral("(Exotic) : ")) + dist.text(QStringLiteral("Isoname")) + CRLF;
    }
    return t;
}

QString additionalInformation(Connection &db, const QString &id)
{
    QString t = QStringLiteral("-Additional Information-") + CRLF;
    RecordSet add = db.Open(AddInfoQuery + id);
    const auto addInfo = [&](const char *heading, const char *field) {
        t += paragraph(QString::fromLatin1(heading), add.isEOF() ? QStringLiteral("- No Data -") : add.text(QString::fromLatin1(field)));
    };
    addInfo("1. Properties", "Properties");
    addInfo("2. Trade", "Trade");
    addInfo("3. Yields", "Yield");
    addInfo("4. Genetic", "Genetic");
    addInfo("5. Prospects", "Prospects");
    return t;
}

QString bibliography(Connection &db, const QString &id)
{
    QString t = QStringLiteral("-Bibliography-") + CRLF;
    for (RecordSet rs = db.Open(ReferenceQuery + id + QStringLiteral(" ORDER BY References.Reference ASC")); !rs.isEOF(); rs.moveNext())
        t += rs.text(QStringLiteral("Reference")) + CRLF + CRLF;
    return t;
}

} // namespace

QString BuildFactSheet(const QString &spId)
{
    const QString id = SpIdLiteral(spId);
    Connection &db = CatalogueConnection();
    RecordSet species = db.Open(SpeciesQuery + id);
    // A species without its row (or without a family row) leaves the caller's text unchanged.
    if (species.isEOF())
        throw CatalogueError(QStringLiteral("No species has the identifier %1.").arg(id));

    QString t = speciesIdentity(db, species, id);
    t += CRLF + section(QStringLiteral("4. Botanic Descriptions"), species, "Botanic");
    t += QStringLiteral("-Ecology and Distribution-") + CRLF + section(QStringLiteral("1. History of Cultivation"), species, "Cultivation");
    t += section(QStringLiteral("2. Natural Habitat"), species, "Habitat");
    t += geographicDistribution(db, id);
    t += CRLF + section(QStringLiteral("4. Biophysical Limits"), species, "Biophysical");
    t += section(QStringLiteral("5. Reproductive Biology"), species, "Biology");
    t += QStringLiteral("-Propagation and Management-") + CRLF + section(QStringLiteral("1. Propagation Methods"), species, "Propagation");
    t += section(QStringLiteral("2. Tree Management"), species, "TreeManagement");
    t += section(QStringLiteral("3. Germplasm Management"), species, "Germplasm");
    t += QStringLiteral("-Functional Uses-") + CRLF + section(QStringLiteral("1. Products"), species, "Products");
    t += section(QStringLiteral("2. Services"), species, "Services");
    t += section(QStringLiteral("3. Pests and Diseases"), species, "Pests");
    species.close();
    t += additionalInformation(db, id);
    return t + bibliography(db, id);
}

QString FactSheetDisplayText(const QString &report)
{
    QString text = report;
    text.replace(CRLF, QStringLiteral("\n"));
    return text;
}

namespace {

void colorOccurrences(QTextDocument *document, const QString &plain, const QString &word, const QColor &color,
                      int pointSize, bool bold, bool italic)
{
    QTextCharFormat format;
    format.setForeground(color);
    format.setFontPointSize(pointSize);
    format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(italic);
    QTextCursor cursor(document);
    for (qsizetype at = plain.indexOf(word, 0, Qt::CaseInsensitive); at >= 0 && !word.isEmpty();
         at = plain.indexOf(word, at + word.size(), Qt::CaseInsensitive)) {
        cursor.setPosition(int(at));
        cursor.setPosition(int(at + word.size()), QTextCursor::KeepAnchor);
        cursor.mergeCharFormat(format);
    }
}

QTextCursor plainCaretAtEnd(QTextDocument *document)
{
    QTextCursor end(document);
    end.movePosition(QTextCursor::End);
    QTextCharFormat plain;
    plain.setForeground(Qt::black);
    plain.setFontPointSize(10);
    plain.setFontWeight(QFont::Normal);
    plain.setFontItalic(false);
    end.setCharFormat(plain);
    return end;
}

} // namespace

QTextCursor ColorWord(QTextDocument *document, const QString &word, const QColor &color, int pointSize, bool bold, bool italic)
{
    // The document's plain text has one character per position, paragraph breaks
    // included, so text offsets are document positions.
    colorOccurrences(document, document->toPlainText(), word, color, pointSize, bold, italic);
    return plainCaretAtEnd(document);
}

QTextCursor ColorizeFactSheet(QTextDocument *document)
{
    const QString plain = document->toPlainText();
    QTextCursor batch(document);
    batch.beginEditBlock();
    for (const Heading &h : Headings)
        colorOccurrences(document, plain, QString::fromLatin1(h.text), h.section ? QColor(0, 0, 255) : QColor(Qt::black), 10, true, false);
    colorOccurrences(document, plain, QStringLiteral("- No Data -"), Qt::black, 10, false, true);
    batch.endEditBlock();
    return plainCaretAtEnd(document);
}

FactSheetLine FactSheetLineKind(const QString &line)
{
    for (const Heading &h : Headings)
        if (line == QLatin1String(h.text))
            return h.section ? FactSheetLine::Section : FactSheetLine::SubHeading;
    return FactSheetLine::Text;
}

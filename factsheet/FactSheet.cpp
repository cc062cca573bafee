#include "factsheet/FactSheet.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/ListStatements.h"
#include "catalogue/modDatabase.h"

#include <QCoreApplication>
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
    {QT_TRANSLATE_NOOP("FactSheet", "-Species Identity-"), true},
    {QT_TRANSLATE_NOOP("FactSheet", "1. Taxonomy"), false}, {QT_TRANSLATE_NOOP("FactSheet", "2. Synonym(s)"), false}, {QT_TRANSLATE_NOOP("FactSheet", "3. Common Names"), false}, {QT_TRANSLATE_NOOP("FactSheet", "4. Botanic Descriptions"), false},
    {QT_TRANSLATE_NOOP("FactSheet", "-Ecology and Distribution-"), true},
    {QT_TRANSLATE_NOOP("FactSheet", "1. History of Cultivation"), false}, {QT_TRANSLATE_NOOP("FactSheet", "2. Natural Habitat"), false}, {QT_TRANSLATE_NOOP("FactSheet", "3. Geographic Distribution"), false},
    {QT_TRANSLATE_NOOP("FactSheet", "4. Biophysical Limits"), false}, {QT_TRANSLATE_NOOP("FactSheet", "5. Reproductive Biology"), false},
    {QT_TRANSLATE_NOOP("FactSheet", "-Propagation and Management-"), true},
    {QT_TRANSLATE_NOOP("FactSheet", "1. Propagation Methods"), false}, {QT_TRANSLATE_NOOP("FactSheet", "2. Tree Management"), false}, {QT_TRANSLATE_NOOP("FactSheet", "3. Germplasm Management"), false},
    {QT_TRANSLATE_NOOP("FactSheet", "-Functional Uses-"), true},
    {QT_TRANSLATE_NOOP("FactSheet", "1. Products"), false}, {QT_TRANSLATE_NOOP("FactSheet", "2. Services"), false}, {QT_TRANSLATE_NOOP("FactSheet", "3. Pests and Diseases"), false},
    {QT_TRANSLATE_NOOP("FactSheet", "-Additional Information-"), true},
    {QT_TRANSLATE_NOOP("FactSheet", "1. Properties"), false}, {QT_TRANSLATE_NOOP("FactSheet", "2. Trade"), false}, {QT_TRANSLATE_NOOP("FactSheet", "3. Yields"), false}, {QT_TRANSLATE_NOOP("FactSheet", "4. Genetic"), false}, {QT_TRANSLATE_NOOP("FactSheet", "5. Prospects"), false},
    {QT_TRANSLATE_NOOP("FactSheet", "-Bibliography-"), true},
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
    QString t = QCoreApplication::translate("FactSheet", "-Species Identity-") + CRLF + QCoreApplication::translate("FactSheet", "1. Taxonomy") + CRLF;
    t += QCoreApplication::translate("FactSheet", "Current Name: %1").arg(species.text(QStringLiteral("SpeciesName"))) + CRLF;
    t += QCoreApplication::translate("FactSheet", "Authority: %1").arg(species.text(QStringLiteral("Authority"))) + CRLF;
    t += QCoreApplication::translate("FactSheet", "Family: %1").arg(species.text(QStringLiteral("Name"))) + CRLF + CRLF;

    t += QCoreApplication::translate("FactSheet", "2. Synonym(s)") + CRLF;
    for (RecordSet rs = db.Open(SynonymQuery + id); !rs.isEOF(); rs.moveNext())
        t += rs.text(QStringLiteral("Name")) + CRLF;

    t += CRLF + QCoreApplication::translate("FactSheet", "3. Common Names") + CRLF;
    for (RecordSet rs = db.Open(CommonNameQuery + id + QStringLiteral(" ORDER BY lang ASC")); !rs.isEOF(); rs.moveNext())
        t += QStringLiteral("(") + rs.text(QStringLiteral("lang")) + QStringLiteral(") : ") + rs.text(QStringLiteral("Name")) + CRLF;
    return t;
}

// The countries where the species is native or exotic.
QString geographicDistribution(Connection &db, const QString &id)
{
    QString t = QCoreApplication::translate("FactSheet", "3. Geographic Distribution") + CRLF;
    RecordSet dist = db.Open(DistributionQuery + id + QStringLiteral(" ORDER BY Distribution.Distribution ASC"));
    if (dist.isEOF())
        t += QCoreApplication::translate("FactSheet", "- No Data -") + CRLF;
    for (; !dist.isEOF(); dist.moveNext()) {
        const bool native = !dist.isNull(QStringLiteral("Distribution")) && dist.number(QStringLiteral("Distribution")) == 1;
        const QString country = dist.text(QStringLiteral("Isoname"));
        t += (native ? QCoreApplication::translate("FactSheet", "(Native) : %1") : QCoreApplication::translate("FactSheet", "(Exotic) : %1"))
                 .arg(country)
             + CRLF;
    }
    return t;
}

QString additionalInformation(Connection &db, const QString &id)
{
    QString t = QCoreApplication::translate("FactSheet", "-Additional Information-") + CRLF;
    RecordSet add = db.Open(AddInfoQuery + id);
    const auto addInfo = [&](const char *heading, const char *field) {
        t += paragraph(QCoreApplication::translate("FactSheet", heading), add.isEOF() ? QCoreApplication::translate("FactSheet", "- No Data -") : add.text(QString::fromLatin1(field)));
    };
    addInfo(QT_TRANSLATE_NOOP("FactSheet", "1. Properties"), "Properties");
    addInfo(QT_TRANSLATE_NOOP("FactSheet", "2. Trade"), "Trade");
    addInfo(QT_TRANSLATE_NOOP("FactSheet", "3. Yields"), "Yield");
    addInfo(QT_TRANSLATE_NOOP("FactSheet", "4. Genetic"), "Genetic");
    addInfo(QT_TRANSLATE_NOOP("FactSheet", "5. Prospects"), "Prospects");
    return t;
}

QString bibliography(Connection &db, const QString &id)
{
    QString t = QCoreApplication::translate("FactSheet", "-Bibliography-") + CRLF;
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
        throw CatalogueError(QCoreApplication::translate("FactSheet", "No species has the identifier %1.").arg(id));

    QString t = speciesIdentity(db, species, id);
    t += CRLF + section(QCoreApplication::translate("FactSheet", "4. Botanic Descriptions"), species, "Botanic");
    t += QCoreApplication::translate("FactSheet", "-Ecology and Distribution-") + CRLF + section(QCoreApplication::translate("FactSheet", "1. History of Cultivation"), species, "Cultivation");
    t += section(QCoreApplication::translate("FactSheet", "2. Natural Habitat"), species, "Habitat");
    t += geographicDistribution(db, id);
    t += CRLF + section(QCoreApplication::translate("FactSheet", "4. Biophysical Limits"), species, "Biophysical");
    t += section(QCoreApplication::translate("FactSheet", "5. Reproductive Biology"), species, "Biology");
    t += QCoreApplication::translate("FactSheet", "-Propagation and Management-") + CRLF + section(QCoreApplication::translate("FactSheet", "1. Propagation Methods"), species, "Propagation");
    t += section(QCoreApplication::translate("FactSheet", "2. Tree Management"), species, "TreeManagement");
    t += section(QCoreApplication::translate("FactSheet", "3. Germplasm Management"), species, "Germplasm");
    t += QCoreApplication::translate("FactSheet", "-Functional Uses-") + CRLF + section(QCoreApplication::translate("FactSheet", "1. Products"), species, "Products");
    t += section(QCoreApplication::translate("FactSheet", "2. Services"), species, "Services");
    t += section(QCoreApplication::translate("FactSheet", "3. Pests and Diseases"), species, "Pests");
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
        colorOccurrences(document, plain, QCoreApplication::translate("FactSheet", h.text), h.section ? QColor(0, 0, 255) : QColor(Qt::black), 10, true, false);
    colorOccurrences(document, plain, QCoreApplication::translate("FactSheet", "- No Data -"), Qt::black, 10, false, true);
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

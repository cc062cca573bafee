#include "photos/PhotoAlbum.h"

#include "base/ApplicationFolder.h"
#include "catalogue/ListStatements.h"
#include "catalogue/modDatabase.h"

#include <QDir>
#include <QFileInfo>

namespace {

// A base name that stays a file name inside SpeciesImage on every platform.
bool IsPlainFileName(const QString &image)
{
    if (image.isEmpty() || image.contains(QLatin1String("..")))
        return false;
    for (const QChar c : image) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') || c.unicode() < 0x20)
            return false;
    }
    return true;
}

} // namespace

QString PhotoStatement(const QString &spId)
{
    return QStringLiteral("SELECT * FROM Images WHERE SpID =") + SpIdLiteral(spId);
}

QString PhotoFile(const QString &image)
{
    if (!IsPlainFileName(image))
        return QString();
    const QString folder = ApplicationPath(QStringLiteral("\\SpeciesImage"));
    const QString file = folder + QLatin1Char('/') + image + QStringLiteral(".jpg");
    // A link inside the folder that leads out of it is refused too.
    const QFileInfo info(file);
    if (info.exists()) {
        const QString canonicalFolder = QFileInfo(folder).canonicalFilePath();
        if (info.canonicalFilePath() != QDir(canonicalFolder).filePath(info.fileName()))
            return QString();
    }
    return file;
}

PhotoAlbum::PhotoAlbum(const QString &spId)
    : m_rows(CatalogueConnection().Open(PhotoStatement(spId), CursorType::Scrollable))
{
    m_empty = m_rows.isEOF();
}

Photo PhotoAlbum::current() const
{
    if (m_rows.isEOF() || m_rows.isBOF())
        return {};
    const QString image = m_rows.text(QStringLiteral("Image"));
    return {image, m_rows.text(QStringLiteral("Author")), m_rows.text(QStringLiteral("Details")), PhotoFile(image)};
}

bool PhotoAlbum::MoveNext()
{
    if (m_empty)
        return false;
    m_rows.moveNext();
    if (m_rows.isEOF()) {
        m_rows.moveLast();
        return false;
    }
    return true;
}

bool PhotoAlbum::MovePrevious()
{
    if (m_empty)
        return false;
    m_rows.movePrevious();
    if (m_rows.isBOF()) {
        m_rows.moveFirst();
        return false;
    }
    return true;
}

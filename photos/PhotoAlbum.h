#pragma once
#include "catalogue/RecordSet.h"

#include <QString>

// One photograph record of a species.
struct Photo {
    QString image;   // the file's base name as the catalogue gives it
    QString author;
    QString details;
    QString file;    // the picture file to read, or "" when the name is refused
};

// "SELECT * FROM Images WHERE SpID =" followed by the species identifier.
// Throws CatalogueError for an identifier that is not a whole number.
QString PhotoStatement(const QString &spId);

// The picture file of an Images.Image value: the application folder, then
// "\SpeciesImage\", the value and ".jpg". A value that could name a file outside
// that folder (a path separator, "..", a drive colon, a control character) is
// refused with "": such a row is shown as a missing file.
QString PhotoFile(const QString &image);

// The photographs of one species, kept open so the viewer can step through
// them both ways; the current row is the photograph shown.
class PhotoAlbum {
public:
    // Runs the photo query on the catalogue. Throws CatalogueError.
    explicit PhotoAlbum(const QString &spId);

    bool isEmpty() const { return m_empty; }
    Photo current() const;

    // Moves to the next photograph. Past the last one it moves back to the last
    // and returns false: there is no wrap-around.
    bool MoveNext();
    // Moves to the previous photograph; before the first one it moves back to
    // the first and returns false.
    bool MovePrevious();

private:
    RecordSet m_rows;
    bool m_empty = true;
};

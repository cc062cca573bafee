#pragma once
#include <QList>
#include <QPair>
#include <QString>

class GDALDataset;
class GDALMajorObject;

// A file GDAL writes, put in place only when whole, so that a failure never
// leaves a half-written file and keeps any old one as it was: GDAL writes
// "<name>.part-<random>.<extension>" beside the target, and commit() renames
// it (and the ".aux.xml" GDAL may keep beside it) over the target. While the
// object lives GDAL's messages are not printed; the program reports them.
class GdalOutputFile {
public:
    // Throws CliFailure (not written) for a target that is a folder or not a
    // regular file, or whose folder does not exist.
    explicit GdalOutputFile(const QString &target);
    ~GdalOutputFile();
    GdalOutputFile(const GdalOutputFile &) = delete;
    GdalOutputFile &operator=(const GdalOutputFile &) = delete;

    // A new dataset of the driver at the work file; for vector formats the
    // sizes are 0 and the type GDT_Unknown (0).
    GDALDataset *create(const char *driver, int columns = 0, int rows = 0, int bands = 0, int type = 0,
                        char **options = nullptr) const;
    // Throws the failure to write the target when GDAL reported one since
    // the last check, or when `ok` is false.
    void check(bool ok = true) const;
    // Replaces the target by the work file, which GDAL must have closed.
    void commit();
    // "Cannot write TARGET: REASON (any old file is kept)", exit 3.
    [[noreturn]] void fail(const QString &reason) const;

private:
    QString m_target, m_work;
    bool m_done = false;
};

// The stamp's entries as metadata items of a file, band or layer (key = text).
void SetStampMetadata(GDALMajorObject *object, const QList<QPair<QString, QString>> &stamp);

#pragma once
#include <QString>

// A folder written beside its target and put in its place only at the end, so
// that a failed or interrupted run leaves the old folder whole. Until commit()
// the work lies in "<target>.part" (removed when abandoned; a stale one from an
// interrupted run is cleared first).
class FolderBuild {
public:
    // Throws CliFailure (not written) when the work folder cannot be made.
    explicit FolderBuild(const QString &target);
    ~FolderBuild();
    FolderBuild(const FolderBuild &) = delete;
    FolderBuild &operator=(const FolderBuild &) = delete;

    QString path() const { return m_work; }
    QString filePath(const QString &name) const { return m_work + QLatin1Char('/') + name; }
    // Copies a file of the old folder into the work folder (when there is one).
    void keepOld(const QString &name);
    // Replaces the target by the work folder; throws CliFailure (not written).
    void commit();

private:
    QString m_target, m_work;
    bool m_done = false;
};

#pragma once
#include <QString>

// A folder written beside its target and put in its place only at the end, so
// that a failed or interrupted run leaves the old folder whole. The work lies
// in a folder of a fresh name beside the target ("<target>.part-<random>"),
// removed when abandoned; at commit() the old folder moves aside into another
// fresh folder and is removed with it. Nothing else is ever removed: folders
// of the user's named like these are left alone. A target that is a symbolic
// link is followed: the folder it names is replaced and the link stays.
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
    // Copies the file `source` (when there is one) into the work folder as `name`.
    void copyIn(const QString &source, const QString &name);
    // Replaces the target by the work folder; throws CliFailure (not written).
    void commit();

private:
    QString m_target, m_work;
    bool m_done = false;
};

#include "catalogue/JetImportProcess.h"

#include "catalogue/CatalogueError.h"
#include "catalogue/JetImport.h"
#include "catalogue/UnicodeText.h"

#include <sqlite3.h>

#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>

#include <csignal>
#include <cstring>
#include <sys/wait.h>
#include <unistd.h>

namespace {

// The child: import into a SQLite file, report a failure through the pipe.
[[noreturn]] void runChild(const QString &path, const QByteArray &output, int reportFd)
{
    int code = 0;
    sqlite3 *db = nullptr;
    try {
        if (sqlite3_open_v2(output.constData(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
            throw CatalogueError(QStringLiteral("cannot create a working copy: %1").arg(QString::fromUtf8(sqlite3_errmsg(db))));
        RegisterUnicodeTextRules(db);
        ImportJetFile(path, db);
    } catch (const CatalogueError &e) {
        const QByteArray message = e.message().toUtf8();
        [[maybe_unused]] const ssize_t written = ::write(reportFd, message.constData(), size_t(message.size()));
        code = 2;
    }
    if (db)
        sqlite3_close(db);
    ::_exit(code);
}

QString readReport(int fd)
{
    QByteArray message;
    char buffer[4096];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0)
        message.append(buffer, int(n));
    return QString::fromUtf8(message);
}

} // namespace

void ImportJetFileIsolated(const QString &path, sqlite3 *target, int timeoutMs)
{
    QTemporaryDir work;
    if (!work.isValid())
        throw CatalogueError(QStringLiteral("no temporary folder for reading the Access file"));
    const QByteArray output = QFile::encodeName(work.filePath(QStringLiteral("import.sqlite")));
    int report[2];
    if (::pipe(report) != 0)
        throw CatalogueError(QString::fromLocal8Bit(std::strerror(errno)));
    const pid_t child = ::fork();
    if (child < 0) {
        ::close(report[0]);
        ::close(report[1]);
        throw CatalogueError(QString::fromLocal8Bit(std::strerror(errno)));
    }
    if (child == 0) {
        ::close(report[0]);
        runChild(path, output, report[1]);
    }
    ::close(report[1]);

    int status = 0;
    QElapsedTimer clock;
    clock.start();
    while (::waitpid(child, &status, WNOHANG) == 0) {
        if (clock.elapsed() > timeoutMs) {
            ::kill(child, SIGKILL);
            ::waitpid(child, &status, 0);
            ::close(report[0]);
            throw CatalogueError(QStringLiteral("reading the Access file did not finish in %1 seconds").arg(timeoutMs / 1000));
        }
        QThread::msleep(5);
    }
    const QString message = readReport(report[0]);
    ::close(report[0]);
    if (WIFSIGNALED(status))
        throw CatalogueError(QStringLiteral("the Access file is damaged (reading it failed with signal %1)").arg(WTERMSIG(status)));
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0)
        throw CatalogueError(message.isEmpty() ? QStringLiteral("the Access file could not be read") : message);

    // Copy the working copy into the target database.
    sqlite3 *copy = nullptr;
    if (sqlite3_open_v2(output.constData(), &copy, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        sqlite3_close(copy);
        throw CatalogueError(QStringLiteral("the working copy of the Access file cannot be opened"));
    }
    RegisterUnicodeTextRules(copy);
    sqlite3_backup *backup = sqlite3_backup_init(target, "main", copy, "main");
    const int rc = backup ? sqlite3_backup_step(backup, -1) : SQLITE_ERROR;
    sqlite3_backup_finish(backup);
    sqlite3_close(copy);
    if (rc != SQLITE_DONE)
        throw CatalogueError(QStringLiteral("the working copy of the Access file cannot be read: %1")
                                 .arg(QString::fromUtf8(sqlite3_errmsg(target))));
}

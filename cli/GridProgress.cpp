#include "cli/GridProgress.h"

#include "cli/CliCommand.h"

#include <QCoreApplication>
#include <QElapsedTimer>

namespace {

struct Progress {
    QString command = QStringLiteral("grid build");
    bool onlyOnTerminal = false;
    QElapsedTimer clock;
};

Progress &progress()
{
    static Progress p;
    return p;
}

} // namespace

void StartGridProgress(const QString &command, bool onlyOnTerminal)
{
    progress().command = command;
    progress().onlyOnTerminal = onlyOnTerminal;
    progress().clock.start();
}

bool GridProgressShown() { return !progress().onlyOnTerminal || ErrorIsTerminal(); }

void GridProgressLine(const QString &text)
{
    Progress &p = progress();
    if (!GridProgressShown())
        return;
    if (!p.clock.isValid())
        p.clock.start();
    PrintError(QCoreApplication::translate("GridProgress", "%1: %2 s: %3\n").arg(p.command).arg(double(p.clock.elapsed()) / 1000, 5, 'f', 1).arg(text));
}

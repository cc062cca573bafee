#pragma once
#include "cli/RowOutput.h"

#include <QCommandLineParser>
#include <QString>
#include <QStringList>

#include <iosfwd>
#include <stdexcept>

// Exit codes scripts can trust.
enum ExitCode { ExitDone = 0, ExitUsage = 1, ExitDataError = 2, ExitNotWritten = 3 };

// A failure that ends the program with its exit code; the message is one
// line naming the file, name or option and the reason.
class CliFailure : public std::runtime_error {
public:
    CliFailure(int code, const QString &message) : std::runtime_error(message.toStdString()), code(code), message(message) {}
    int code;
    QString message;
};
[[noreturn]] void UsageError(const QString &message);

// One subcommand's command line: its own options plus the common ones
// (--format, --app-folder, --help). parse() throws a usage CliFailure.
class CommandLine {
public:
    CommandLine(const QString &name, const QString &description);
    void addOption(const QCommandLineOption &option) { m_parser.addOption(option); }
    void addPositional(const QString &name, const QString &description, const QString &syntax = QString())
    {
        m_parser.addPositionalArgument(name, description, syntax);
    }
    // False when --help was asked (the help is printed).
    bool parse(const QStringList &arguments);

    bool isSet(const QString &name) const { return m_parser.isSet(name); }
    QString value(const QString &name) const { return m_parser.value(name); }
    QStringList values(const QString &name) const { return m_parser.values(name); }
    QStringList positional() const { return m_parser.positionalArguments(); }
    // The one positional argument the command needs, or a usage error.
    QString requiredPositional(const QString &what) const;

    // --format among table|csv|json (default table).
    RowFormat rowFormat() const;
    // --format among the given names (the first is the default).
    QString formatAmong(const QStringList &names) const;
    // Opens the catalogue (and with `maps`, nothing else: the caller loads
    // the layers) of --app-folder or the program's own folder.
    void openCatalogue() const;
    // Makes --app-folder (when given) the application folder, without the catalogue.
    void useAppFolder() const;

private:
    QCommandLineParser m_parser;
    QString m_name;
};

// Numbers of options: "MIN,MAX", "WxH", "W,S,E,N", plain numbers.
QList<double> NumberList(const QString &option, const QString &text, int count, QChar separator = QLatin1Char(','));
double NumberOption(const QString &option, const QString &text);
// A --use value as its mask; an unknown use is a usage error.
std::uint16_t UseOption(const QString &text);

// The options every command takes (--format, --app-folder) may also come
// before the command, as users of git or GDAL type them: returns the command
// and its arguments with those options moved right after the command (and
// after the action word of grid and catalogue).
QStringList CommonOptionsAfterCommand(const QStringList &arguments);

// Where a run of the program writes: its standard output and standard error,
// and whether the error stream is a terminal (progress is drawn only there).
struct CliStreams {
    std::ostream &out;
    std::ostream &err;
    bool errorIsTerminal = false;
};
// The process's standard output and standard error.
const CliStreams &ProcessStreams();
// Makes `streams` the running program's (RunCli does, for one run); returns
// the ones before.
const CliStreams &UseStreams(const CliStreams &streams);

// Writes text to the running program's standard output / standard error as UTF-8.
void PrintOut(const QString &text);
void PrintError(const QString &text);
// Sends what was printed on its way (a long-running command's first lines).
void FlushOut();
bool ErrorIsTerminal();

#include "cli/CliCommand.h"

#include "analysis/SpeciesRangeTable.h"
#include "base/ApplicationFolder.h"
#include "catalogue/CatalogueError.h"
#include "catalogue/modDatabase.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <cmath>
#include <cstdio>
#include <iostream>
#include <mutex>
#include <unistd.h>
#include <utility>

void UsageError(const QString &message)
{
    throw CliFailure(ExitUsage, QCoreApplication::translate("CliCommand", "%1 (see silvaria-cli --help)").arg(message));
}

QStringList CommonOptionsAfterCommand(const QStringList &arguments)
{
    QStringList common;
    qsizetype i = 0;
    for (; i < arguments.size(); ++i) {
        const QString name = arguments[i].section(QLatin1Char('='), 0, 0);
        if (name != QLatin1String("--format") && name != QLatin1String("--app-folder"))
            break;
        common << arguments[i];
        if (!arguments[i].contains(QLatin1Char('='))) {
            if (++i == arguments.size())
                UsageError(QCoreApplication::translate("CliCommand", "%1 needs a value").arg(name));
            common << arguments[i];
        }
    }
    QStringList rest = arguments.mid(i);
    if (rest.isEmpty())
        return rest;
    // Right after the command (and the action of grid and catalogue): an option
    // at the end that lacks its value then says so instead of taking a common
    // option's name as its value.
    const bool action = (rest[0] == QLatin1String("grid") || rest[0] == QLatin1String("catalogue")) && rest.size() > 1
                        && !rest[1].startsWith(QLatin1Char('-'));
    const qsizetype at = action ? 2 : 1;
    for (qsizetype k = 0; k < common.size(); ++k)
        rest.insert(at + k, common[k]);
    return rest;
}

namespace {

const CliStreams *&runningStreams()
{
    static const CliStreams *streams = &ProcessStreams();
    return streams;
}

// One writer at a time: grid fetch prints its download's progress from a thread of its own.
void write(std::ostream &stream, const QString &text)
{
    static std::mutex writing;
    const std::lock_guard<std::mutex> lock(writing);
    const QByteArray bytes = text.toUtf8();
    stream.write(bytes.constData(), bytes.size());
}

} // namespace

const CliStreams &ProcessStreams()
{
    // Streams of their own over the standard ones: an error leaves the output
    // still buffered where it is (std::cerr would flush std::cout first), so
    // both reach a shared file as the C streams stdout and stderr send them.
    static std::ostream out(std::cout.rdbuf()), err(std::cerr.rdbuf());
    static const CliStreams streams{out, err, isatty(fileno(stderr)) != 0};
    return streams;
}

const CliStreams &UseStreams(const CliStreams &streams)
{
    return *std::exchange(runningStreams(), &streams);
}

void PrintOut(const QString &text) { write(runningStreams()->out, text); }

void PrintError(const QString &text) { write(runningStreams()->err, text); }

void FlushOut() { runningStreams()->out.flush(); }

bool ErrorIsTerminal() { return runningStreams()->errorIsTerminal; }

CommandLine::CommandLine(const QString &name, const QString &description) : m_name(name)
{
    m_parser.setApplicationDescription(description);
    m_parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    m_parser.addHelpOption();
    m_parser.addOption({QStringLiteral("format"), QCoreApplication::translate("CliCommand", "Rows as table, csv or json (sheet: text or html)."),
                        QStringLiteral("FORMAT")});
    m_parser.addOption({QStringLiteral("app-folder"), QCoreApplication::translate("CliCommand", "Read the data of another application folder."),
                        QStringLiteral("DIR")});
}

bool CommandLine::parse(const QStringList &arguments)
{
    if (!m_parser.parse(QStringList{QStringLiteral("silvaria-cli")} + arguments))
        UsageError(m_parser.errorText());
    if (m_parser.isSet(QStringLiteral("help"))) {
        // Qt names the program as it was started; the usage line names the
        // command, in whatever words Qt's own translation gives that line.
        QString help = m_parser.helpText();
        const QString program = QCoreApplication::arguments().value(0);
        const qsizetype at = program.isEmpty() ? -1 : help.indexOf(program);
        if (at >= 0 && at < help.indexOf(QLatin1Char('\n')))
            help.replace(at, program.size(), QStringLiteral("silvaria-cli ") + m_name);
        PrintOut(help);
        return false;
    }
    return true;
}

QString CommandLine::requiredPositional(const QString &what) const
{
    const QStringList args = positional();
    if (args.isEmpty())
        UsageError(QCoreApplication::translate("CliCommand", "%1 needs %2").arg(m_name, what));
    if (args.size() > 1)
        UsageError(QCoreApplication::translate("CliCommand", "%1 takes one %2, not \"%3\"").arg(m_name, what, args.join(QLatin1Char(' '))));
    return args.front();
}

QString CommandLine::formatAmong(const QStringList &names) const
{
    if (!isSet(QStringLiteral("format")))
        return names.front();
    const QString format = value(QStringLiteral("format")).toLower();
    if (!names.contains(format))
        UsageError(QCoreApplication::translate("CliCommand", "--format of %1 is one of %2, not \"%3\"").arg(m_name, names.join(QLatin1Char('|')), value(QStringLiteral("format"))));
    return format;
}

RowFormat CommandLine::rowFormat() const
{
    const QString format = formatAmong({QStringLiteral("table"), QStringLiteral("csv"), QStringLiteral("json")});
    return format == QLatin1String("csv") ? RowFormat::Csv : format == QLatin1String("json") ? RowFormat::Json : RowFormat::Table;
}

void CommandLine::useAppFolder() const
{
    if (isSet(QStringLiteral("app-folder"))) {
        const QString folder = value(QStringLiteral("app-folder"));
        if (!QFileInfo(folder).isDir())
            throw CliFailure(ExitDataError, QCoreApplication::translate("CliCommand", "%1: no such application folder").arg(folder));
        SetApplicationFolder(QDir(folder).absolutePath());
    }
}

void CommandLine::openCatalogue() const
{
    useAppFolder();
    try {
        OpenCatalogue();
    } catch (const CatalogueError &e) {
        throw CliFailure(ExitDataError, e.message());
    }
}

namespace {

// An option as the user wrote it: --name; a positional argument (named in
// capitals, as LON,LAT) as its name alone.
QString shownName(const QString &option)
{
    return option.front().isUpper() ? option : QStringLiteral("--") + option;
}

} // namespace

double NumberOption(const QString &option, const QString &text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(v))
        UsageError(QCoreApplication::translate("CliCommand", "%1 takes a number, not \"%2\"").arg(shownName(option), text));
    return v;
}

QList<double> NumberList(const QString &option, const QString &text, int count, QChar separator)
{
    const QStringList parts = text.split(separator);
    if (parts.size() != count)
        UsageError(QCoreApplication::translate("CliCommand", "%1 takes %2 numbers separated by \"%3\", not \"%4\"").arg(shownName(option)).arg(count).arg(separator).arg(text));
    QList<double> numbers;
    for (const QString &part : parts)
        numbers << NumberOption(option, part);
    return numbers;
}

std::uint16_t UseOption(const QString &text)
{
    const std::uint16_t use = UseFromName(text);
    if (!use)
        UsageError(QCoreApplication::translate("CliCommand", "--use is one of %1, not \"%2\"").arg(UseNames().join(QLatin1Char('|')), text));
    return use;
}

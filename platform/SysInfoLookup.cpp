#include "platform/SysInfoLookup.h"

#ifndef SILVARIA_SYSINFO_PROGRAM
#define SILVARIA_SYSINFO_PROGRAM ""
#endif
#ifndef SILVARIA_SYSINFO_FOLDER
#define SILVARIA_SYSINFO_FOLDER "/usr/bin"
#endif
#ifndef SILVARIA_SYSINFO_NAME
#define SILVARIA_SYSINFO_NAME "hardinfo"
#endif

bool RegistrySysInfoLookup::ConfiguredProgram(QString &path)
{
    return GetKeyValue(HKEY_LOCAL_MACHINE_ROOT, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"),
                       QStringLiteral("PATH"), path, m_registry);
}

bool RegistrySysInfoLookup::ProgramFolder(QString &folder)
{
    return GetKeyValue(HKEY_LOCAL_MACHINE_ROOT, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                       QStringLiteral("MSINFO"), folder, m_registry);
}

ConfiguredSysInfoLookup::ConfiguredSysInfoLookup(const QString &program, const QString &folder,
                                                 const QString &programName)
    : m_program(program), m_folder(folder), m_programName(programName)
{
}

bool ConfiguredSysInfoLookup::ConfiguredProgram(QString &path)
{
    path = m_program;
    return !path.isEmpty();
}

bool ConfiguredSysInfoLookup::ProgramFolder(QString &folder)
{
    folder = m_folder;
    return !folder.isEmpty() && !m_programName.isEmpty();
}

std::unique_ptr<SysInfoLookup> PlatformSysInfoLookup()
{
#ifdef Q_OS_WIN
    return std::make_unique<RegistrySysInfoLookup>();
#else
    return std::make_unique<ConfiguredSysInfoLookup>(QStringLiteral(SILVARIA_SYSINFO_PROGRAM),
                                                     QStringLiteral(SILVARIA_SYSINFO_FOLDER),
                                                     QStringLiteral(SILVARIA_SYSINFO_NAME));
#endif
}

QString FindSysInfoProgram(SysInfoLookup &lookup, const std::function<bool(const QString &)> &fileExists)
{
    QString path;
    if (lookup.ConfiguredProgram(path))
        return path;
    QString folder;
    if (lookup.ProgramFolder(folder)) {
        const QString joined = folder + lookup.ProgramInFolder();
        if (fileExists(joined))
            return joined;
    }
    return QString();
}

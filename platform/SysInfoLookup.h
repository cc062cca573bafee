#pragma once
#include "platform/Registry.h"

#include <QString>

#include <functional>
#include <memory>

// Where the operating system's system-information tool is found, in two lookups
// tried in order: a configured full path, then a folder that must hold the tool.
class SysInfoLookup {
public:
    virtual ~SysInfoLookup() = default;
    // First lookup: the tool's full path as configured.
    virtual bool ConfiguredProgram(QString &path) = 0;
    // Second lookup: the folder that should hold the tool.
    virtual bool ProgramFolder(QString &folder) = 0;
    // What joins the folder to make the tool's path, with its separator ("\MSINFO32.EXE").
    virtual QString ProgramInFolder() const = 0;
};

// Windows: the two registry values that name the system-information tool.
class RegistrySysInfoLookup : public SysInfoLookup {
public:
    explicit RegistrySysInfoLookup(RegistryApi &registry = SystemRegistry()) : m_registry(registry) {}
    bool ConfiguredProgram(QString &path) override;
    bool ProgramFolder(QString &folder) override;
    QString ProgramInFolder() const override { return QStringLiteral("\\MSINFO32.EXE"); }

private:
    RegistryApi &m_registry;
};

// Elsewhere: a program path and a folder with a program name, set when the
// program is built (an empty value is a lookup that fails).
class ConfiguredSysInfoLookup : public SysInfoLookup {
public:
    ConfiguredSysInfoLookup(const QString &program, const QString &folder, const QString &programName);
    bool ConfiguredProgram(QString &path) override;
    bool ProgramFolder(QString &folder) override;
    QString ProgramInFolder() const override { return QLatin1Char('/') + m_programName; }

private:
    QString m_program, m_folder, m_programName;
};

// The lookup of this platform.
std::unique_ptr<SysInfoLookup> PlatformSysInfoLookup();

// The tool's path by the two lookups in order, or "" when neither finds it. The
// second lookup counts only when the joined file exists.
QString FindSysInfoProgram(SysInfoLookup &lookup, const std::function<bool(const QString &)> &fileExists);

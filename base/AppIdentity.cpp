#include "base/AppIdentity.h"

#include <QCoreApplication>

QString ApplicationTitle() { return QStringLiteral("Silvaria Database South-East Asia"); }

// The numbers come from the project's version in CMakeLists.txt.
AppVersion ApplicationVersion() { return {SILVARIA_VERSION_MAJOR, SILVARIA_VERSION_MINOR, SILVARIA_VERSION_PATCH}; }

QString VersionText(const AppVersion &version)
{
    return QCoreApplication::translate("AppIdentity", "Version %1.%2.%3").arg(version.major).arg(version.minor).arg(version.revision);
}

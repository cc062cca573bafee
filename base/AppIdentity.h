#pragma once
#include <QString>

// The application's title and version, as the About box shows them.
struct AppVersion {
    int major;
    int minor;
    int revision;
};

QString ApplicationTitle(); // "Silvaria Database South-East Asia"
AppVersion ApplicationVersion(); // the project's version: 2.0.5128

// "Version " and the three numbers in decimal, joined by ".".
QString VersionText(const AppVersion &version);

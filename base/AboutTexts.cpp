#include "base/AboutTexts.h"

#include "base/ContactDetails.h"

#include <QStringList>

namespace {
const QString NewLine = QStringLiteral("\r\n");
}

QString CopyrightLine() { return QStringLiteral("Copyright (C) 2026 the Silvaria developers. Free software under the GNU GPL."); }

QString GridClimateLine(const QString &gridSource)
{
    if (gridSource.isEmpty() || gridSource.contains(QLatin1String("modelled")))
        return QStringLiteral("Rainfall and temperature of the map grid are modelled, not observed.");
    if (gridSource.contains(QLatin1String("observed climate")))
        return QStringLiteral("Rainfall and temperature of the map grid: observed climate (see its sources.txt).");
    return QStringLiteral("Rainfall and temperature of the map grid: your own data (see its sources.txt).");
}

QString LegalWarning(const QString &gridSource)
{
    return QStringList{
        QStringLiteral("Warning: this program is protected by copyright law. It is free"),
        QStringLiteral("software: copy, change and share it under the GNU GPL, version 3 or"),
        QStringLiteral("later; any other copying is not allowed. It comes with NO WARRANTY."),
        QStringLiteral("Map: Natural Earth boundaries and NOAA ETOPO5 altitude (public domain)."),
        GridClimateLine(gridSource),
        QStringLiteral("Places: GeoNames (geonames.org), CC BY 4.0; filtered to the region."),
        QStringLiteral("Provinces: Natural Earth 1:10m (public domain); some names are dated."),
        QStringLiteral("Catalogue and plates: Silvaria demonstration data from cited works."),
    }
        .join(NewLine);
}

QString SupportText()
{
    const ContactDetails &c = Contact();
    return QStringList{QStringLiteral("If you have any suggestion about this application"),
                       QStringLiteral("please write to: ") + c.suggestionEmail,
                       QString(),
                       c.team,
                       c.members,
                       QString(),
                       QStringLiteral("Build Using"),
                       QStringLiteral("C++20, Qt 6, SQLite, mdbtools (libmdb), shapelib, CMake, GoogleTest")}
        .join(NewLine);
}

#include "base/AboutTexts.h"

#include "base/ContactDetails.h"

#include <QCoreApplication>
#include <QStringList>

namespace {
const QString NewLine = QStringLiteral("\r\n");
}

QString CopyrightLine() { return QCoreApplication::translate("AboutTexts", "Copyright (C) 2026 the Silvaria developers. Free software under the GNU GPL."); }

QString GridClimateLine(const QString &gridSource)
{
    if (gridSource.isEmpty() || gridSource.contains(QLatin1String("modelled")))
        return QCoreApplication::translate("AboutTexts", "Rainfall and temperature of the map grid are modelled, not observed.");
    if (gridSource.contains(QLatin1String("observed climate")))
        return QCoreApplication::translate("AboutTexts", "Rainfall and temperature of the map grid: observed climate (see its sources.txt).");
    return QCoreApplication::translate("AboutTexts", "Rainfall and temperature of the map grid: your own data (see its sources.txt).");
}

QString LegalWarning(const QString &gridSource)
{
    return QStringList{
        QCoreApplication::translate("AboutTexts", "Warning: this program is protected by copyright law. It is free"),
        QCoreApplication::translate("AboutTexts", "software: copy, change and share it under the GNU GPL, version 3 or"),
        QCoreApplication::translate("AboutTexts", "later; any other copying is not allowed. It comes with NO WARRANTY."),
        QCoreApplication::translate("AboutTexts", "Map: Natural Earth boundaries and NOAA ETOPO5 altitude (public domain)."),
        GridClimateLine(gridSource),
        QCoreApplication::translate("AboutTexts", "Places: GeoNames (geonames.org), CC BY 4.0; filtered to the region."),
        QCoreApplication::translate("AboutTexts", "Provinces: Natural Earth 1:10m (public domain); some names are dated."),
        QCoreApplication::translate("AboutTexts", "Catalogue and plates: Silvaria demonstration data from cited works."),
    }
        .join(NewLine);
}

QString SupportText()
{
    const ContactDetails &c = Contact();
    return QStringList{QCoreApplication::translate("AboutTexts", "If you have any suggestion about this application"),
                       QCoreApplication::translate("AboutTexts", "please write to: %1").arg(c.suggestionEmail),
                       QString(),
                       c.team,
                       c.members,
                       QString(),
                       QCoreApplication::translate("AboutTexts", "Corrections to the translations are welcome:"),
                       QCoreApplication::translate("AboutTexts", "see \"Translating Silvaria\" in the manual."),
                       QString(),
                       QCoreApplication::translate("AboutTexts", "Build Using"),
                       QStringLiteral("C++20, Qt 6, SQLite, mdbtools (libmdb), shapelib, CMake, GoogleTest")}
        .join(NewLine);
}

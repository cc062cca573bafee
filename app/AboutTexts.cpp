#include "app/AboutTexts.h"

#include "app/ContactDetails.h"

#include <QStringList>

namespace {
const QString NewLine = QStringLiteral("\r\n");
}

QString CopyrightLine() { return QStringLiteral("Copyright (C) 2026 the Silvaria developers. Free software under the GNU GPL."); }

QString LegalWarning()
{
    return QStringList{
        QStringLiteral("Warning: this program is protected by copyright law. You may copy, change and share it only"),
        QStringLiteral("under the GNU General Public License, version 3 or later; any other copying is not allowed."),
        QStringLiteral("It comes with ABSOLUTELY NO WARRANTY. Its maps and lists are indicative only."),
        QStringLiteral("Map data: Natural Earth country boundaries (public domain); altitude from NOAA ETOPO5 (public domain)."),
        QStringLiteral("Rainfall and temperature of the map grid are modelled sample values, not observations."),
        QStringLiteral("Catalogue and species illustrations: Silvaria demonstration data from public knowledge and the cited works."),
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

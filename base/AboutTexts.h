#pragma once
#include <QString>

// The texts of the About box. Lines are joined by a carriage return and line feed.
QString CopyrightLine();
// Six lines: the licence terms outside which copying is not allowed, and where
// the data come from; the map grid's climate as its source in sources.txt says
// (none given: the bundled grid's modelled climate).
QString LegalWarning(const QString &gridSource = QString());
// That line about the map grid's climate: modelled, observed or the user's own.
QString GridClimateLine(const QString &gridSource);
// Where to send suggestions, who made the program and what it was built with.
QString SupportText();

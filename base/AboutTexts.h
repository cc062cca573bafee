#pragma once
#include <QString>

// The texts of the About box. Lines are joined by a carriage return and line feed.
QString CopyrightLine();
// Six lines: the licence terms outside which copying is not allowed, and where
// the bundled data come from.
QString LegalWarning();
// Where to send suggestions, who made the program and what it was built with.
QString SupportText();

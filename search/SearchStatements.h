#pragma once
#include <QString>

// The two statements of the name search. The typed text stands inside a quoted
// LIKE pattern between "%" wildcards: its quotes are doubled so it can never end
// the pattern early, while "%" and "_" keep their wildcard meaning.
QString BotanicSearchStatement(const QString &text);
QString CommonSearchStatement(const QString &text);

#pragma once
#include "base/Error.h"

#include <QString>

// The one error the keystroke sender raises: an error number (0 for a script
// that cannot be parsed, 9 for a key that cannot be mapped), the source
// ("<application name>.cSendKeys") and the description shown to the user.
class SendKeysError : public Error {
public:
    SendKeysError(int number, const QString &source, const QString &description)
        : Error(description), m_number(number), m_source(source), m_description(description) {}

    int number() const { return m_number; }
    QString source() const { return m_source; }
    QString description() const { return m_description; }

private:
    int m_number;
    QString m_source;
    QString m_description;
};

#pragma once
#include <QString>
#include <stdexcept>

// An error of the catalogue engine: a file that cannot be opened or a statement
// that cannot be run. The message names the file or statement and the reason.
class CatalogueError : public std::runtime_error {
public:
    explicit CatalogueError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

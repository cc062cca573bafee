#pragma once
#include <QString>
#include <stdexcept>

// An error of the map engine: a shapefile that cannot be read, a filter that
// cannot be compiled, a drawing outside a redraw or an export that failed.
// The message names the file (or the filter) and the reason.
class MapError : public std::runtime_error {
public:
    explicit MapError(const QString &message)
        : std::runtime_error(message.toStdString()), m_message(message) {}
    QString message() const { return m_message; }

private:
    QString m_message;
};

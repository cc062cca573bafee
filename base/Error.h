#pragma once
#include <QString>

#include <exception>
#include <stdexcept>

// The error of the core: a message for the user that names what failed and
// why, and the file it concerns where there is one. The catalogue engine, the
// map engine and the keystroke sender all fail with it; windows show it with
// ShowError, the command line prints it.
class Error : public std::runtime_error {
public:
    explicit Error(const QString &message, const QString &file = QString())
        : std::runtime_error(message.toStdString()), m_message(message), m_file(file)
    {
    }
    QString message() const { return m_message; }
    QString file() const { return m_file; }

private:
    QString m_message;
    QString m_file;
};

// The text to show for any exception: the core's message, or what() of others.
inline QString ErrorText(const std::exception &error)
{
    if (const auto *core = dynamic_cast<const Error *>(&error))
        return core->message();
    return QString::fromUtf8(error.what());
}

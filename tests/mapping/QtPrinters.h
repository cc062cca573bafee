#pragma once
#include <QColor>
#include <QString>

#include <ostream>

// Readable failure messages for Qt values.
inline void PrintTo(const QColor &color, std::ostream *os)
{
    *os << "rgb(" << color.red() << ", " << color.green() << ", " << color.blue() << ")";
}

inline void PrintTo(const QString &text, std::ostream *os)
{
    *os << '"' << text.toStdString() << '"';
}

#include "base/NotWritten.h"

QString OldFileKept(const QString &message) { return message + QStringLiteral(" (any old file is kept)"); }

Error NotWrittenError(const QString &file, const std::exception &cause)
{
    return Error(OldFileKept(QStringLiteral("Cannot write %1: %2").arg(file, ErrorText(cause))), file);
}

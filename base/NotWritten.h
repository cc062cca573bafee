#pragma once
#include "base/Error.h"

// A file that could not be written while any old file of that name stayed as
// it was: the windows and the command line say so in the same words.

// "MESSAGE (any old file is kept)", for a message that already names the file.
QString OldFileKept(const QString &message);

// The failure to write `file` for `cause`, naming the file:
// "Cannot write FILE: REASON (any old file is kept)".
Error NotWrittenError(const QString &file, const std::exception &cause);

#pragma once
#include <QByteArray>
#include <QString>

// Writes `bytes` to `path` so that a failure never leaves a half-written file
// or harms an existing one: the bytes go to a new file beside the target, which
// then replaces it. A device or pipe (such as /dev/full) cannot be replaced and
// is written directly. Throws Error with the reason; the caller names the
// file.
void WriteFileSafely(const QString &path, const QByteArray &bytes);

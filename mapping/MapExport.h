#pragma once
#include <QImage>
#include <QString>

// Export format code of a bitmap file.
constexpr int ExportFormatBitmap = 1;

// Writes the image as a 24-bit bitmap file. The picture goes to a temporary
// file beside the target that replaces it only when complete, so a failure
// never leaves a half-written file nor harms an existing one. Throws
// MapError naming the file and the reason (folder missing or not writable,
// disk full, ...).
void WriteBitmapFile(const QImage &image, const QString &path);

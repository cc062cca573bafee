#pragma once
#include <QPixmap>
#include <QString>

// The picture the photo viewer shows before a photograph is loaded.
QPixmap DesignPicture(QSize size);

// A picture saying why a photograph cannot be shown (`reason`, one short line).
QPixmap UnavailablePicture(QSize size, const QString &reason);

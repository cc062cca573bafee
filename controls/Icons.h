#pragma once
#include <QIcon>
#include <QList>
#include <QPixmap>

// Pictures of our own, drawn in code so they scale and need no files.
QIcon TreeNodeIcon();                 // closed book, open book while selected
QList<QIcon> OutlookBarIcons();        // botanic, common names, functional uses
QPixmap SplashPicture();               // 400 x 267
QIcon ApplicationIcon();
QIcon ComparisonIcon();                // two maps side by side

#pragma once
#include "mapping/MapExtent.h"

#include <QSize>
#include <QString>

#include <optional>

class CommandLine;

// One reader per kind of option, shared by every command so that each kind
// is read, checked and refused with the same words everywhere. Each throws a
// usage CliFailure naming the option and what it takes.

// --size WxH: whole pixels from 16 to 10000 (default 1000x750).
QSize PictureSizeOption(const CommandLine &line);
// --extent W,S,E,N in degrees (longitude -180 to 360, latitude -90 to 90), W
// below E and S below N; nothing when not given.
std::optional<MapExtent> ExtentOption(const CommandLine &line);

// MIN,MAX of --alt, --mar or --mat: two numbers, the minimum at most the maximum.
struct RangeValue {
    double min = 0, max = 0;
};
RangeValue RangeOption(const QString &option, const QString &text);

// LON,LAT in degrees: longitude -180 to 360, latitude -90 to 90.
struct Position {
    double lon = 0, lat = 0;
};
Position PositionOption(const QString &text);

#pragma once
#include "cli/OptionReaders.h"
#include "places/PlaceIndex.h"

#include <QString>

#include <memory>

class CommandLine;

// The place index of the application folder; a data error when it is missing
// or damaged.
std::shared_ptr<const PlaceIndex> CommandPlaces();

// --country CC: a country code or name of the place index (any case), empty
// when not given; another is a usage error listing the codes.
QString CountryOption(const CommandLine &line, const PlaceIndex &places);

// A position as LON,LAT, or as the name of a place of the place index,
// narrowed to `country` when given. An unknown name, or one that names
// several places, is a data error listing up to ten candidates with
// province, country and position.
struct NamedPosition {
    Position position;
    QString place; // "Chiang Mai (place), Chiang Mai, Thailand"; empty for LON,LAT
};
NamedPosition PositionOrPlace(const CommandLine &line, const QString &text);
// The LON,LAT|PLACE argument, described by `positionHelp`, and --country.
void AddPositionOrPlaceArguments(CommandLine &line, const QString &positionHelp);

// --extent of a map: W,S,E,N as ExtentOption reads it, or a place or LON,LAT
// at the centre of a view 4 degrees wide with the picture's proportions.
std::optional<MapExtent> ViewExtentOption(const CommandLine &line, QSize picture);

// True when the text is written in numbers (LON,LAT or W,S,E,N), not a name.
bool LooksLikeNumbers(const QString &text);

// What the user typed, as a message quotes it: at most 80 characters, each
// control or invisible character shown as U+FFFD, on one line.
QString ShownInput(const QString &text);

// A place in one line: name (kind), district, province, country.
QString PlaceLine(const Place &place);

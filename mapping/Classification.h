#pragma once
#include <QString>
#include <QStringList>
#include <QVariant>

// The suitability classification as pure functions: the six range bounds, their
// clamping to the grid's data ranges, which criteria are usable, the four class
// filters and the "Parameters Used" text. Shared by the map and comparison windows.

// One range bound: missing, a number (from the catalogue or put in by clamping),
// or the trimmed text of a box (always a number written the user's way).
struct Bound {
    enum Kind { Missing, Number, Text };
    Kind kind = Missing;
    double number = 0; // the value of a Number or Text bound
    QString text;      // the text of a Text bound

    static Bound missing() { return {}; }
    static Bound fromNumber(double v) { return {Number, v, QString()}; }
    // A null value is missing.
    static Bound fromValue(const QVariant &v);
    // A box's text, trimmed; empty or not a number counts as missing.
    static Bound fromBox(const QString &box);

    bool isMissing() const { return kind == Missing; }
    // The text that goes into a filter: the ordinary decimal text of a number,
    // a box text unchanged, nothing for a missing bound.
    QString expressionText() const;
    // The text a box shows: as in a filter, "0" for a missing bound.
    QString boxText() const;
};

// ALT, MAR, MAT in that order.
enum Criterion { Altitude = 0, Rainfall = 1, Temperature = 2 };

struct Bounds {
    Bound min[3];
    Bound max[3];
};

// The data ranges of a grid: the lowest and highest ALT, MAR, MAT it holds.
struct GridRanges {
    double lower[3];
    double upper[3];
    bool operator==(const GridRanges &) const = default;
};
// The active ranges: those of the grid the map windows loaded last, else the
// bundled grid's fixed ranges (mapping/GridDataRanges.h). The analyses pass
// the ranges of the grid they read instead.
const GridRanges &ActiveGridRanges();

// A criterion's grid field and its active data range.
struct DataRange {
    const char *field;
    double lower;
    double upper;
};
const DataRange &DataRangeOf(Criterion c);

// Replaces a bound that lies beyond its own end of the data range by that end
// (a minimum below the lower limit by the lower limit, a maximum above the
// upper limit by the upper); a missing bound is left alone. A minimum above
// the upper limit or a maximum below the lower limit stays as it is: its range
// lies wholly outside the data and matches nothing (the filter's minimum is
// then above its maximum). A pair 0 and 0 is how a box shows a range that is
// not stated: it is clamped at both ends as any other bound.
void ClampRanges(Bounds &bounds, const GridRanges &ranges = ActiveGridRanges());

// Usable: both bounds present, the minimum at or above the lower limit, the maximum
// at or below the upper limit, and not both 0.
bool IsAvailable(const Bounds &bounds, Criterion c, const GridRanges &ranges = ActiveGridRanges());

struct ClassFilters {
    QString altitude, rainfall, temperature, species;
    QString description; // "ALT - MAR - MAT", ..., "Error"
};
ClassFilters BuildClassFilters(const Bounds &bounds, const GridRanges &ranges = ActiveGridRanges());

// "Warning : Potentially Invasive Species" for the status 1, else "" (null included).
QString InvasiveWarning(const QVariant &status);

// The four classes in drawing order: colour of the points and class legend caption.
struct SuitabilityClass {
    const char *caption;
    int red, green, blue;
};
const SuitabilityClass &ClassAt(int order); // 0 altitude .. 3 species
// Point size for a zoom level: 1 at level 1, level + 1 above.
int PointSizeForZoom(int zoomLevel);

// The statement that reads a species' ranges and invasive status.
QString SpeciesRangesStatement(int spId);

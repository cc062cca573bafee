#pragma once
#include "mapping/MapExtent.h"

#include <QString>

#include <optional>
#include <string>
#include <vector>

// Small shapefiles written by the tests themselves through shapelib, each in one
// expression: FixtureShapefile{.shpType = SHPT_ARC, .shapes = ..., .fields = ..., .rows = ...}.write(path).
struct FixtureField {
    std::string name;
    char type; // 'N', 'F', 'C', 'L', 'D'
    int width;
    int decimals;
};

using FixturePart = std::vector<MapPoint>;
using FixtureShape = std::vector<FixturePart>; // empty: a null shape

struct FixtureShapefile {
    int shpType = 1; // shapelib SHPT_* code
    std::vector<FixtureShape> shapes;
    std::vector<FixtureField> fields;
    // One row per shape; a value is the field text, nullopt for a blank.
    std::vector<std::vector<std::optional<std::string>>> rows;

    // Writes path (.shp) with its .shx and .dbf; throws std::runtime_error.
    void write(const QString &path) const;
};

// A point shapefile: one point per row of (x, y), fields as given.
FixtureShapefile PointFixture(const std::vector<MapPoint> &points, const std::vector<FixtureField> &fields,
                              const std::vector<std::vector<std::optional<std::string>>> &rows);

#pragma once
#include "mapping/ShapeLayer.h"

#include <vector>

// A grid value as the suitable-species statement compares it: the
// single-precision value written in its shortest decimal form, read back by
// the engine as a double (26.4f becomes 26.4, not 26.3999996).
double EngineValue(float value);

// The ALT, MAR and MAT of every grid point, read once: as identify reads them
// (single precision) and as the catalogue engine compares them. A blank value
// is NaN, which no range holds.
struct GridClimate {
    std::vector<float> stored[3];   // ALT, MAR, MAT
    std::vector<double> engine[3];

    std::size_t size() const { return stored[0].size(); }
    // Throws MapError when the layer lacks one of the three fields.
    static GridClimate read(const ShapeLayer &canvas);
    // The field of a criterion in the layer's table; throws MapError when absent.
    static int fieldOf(const ShapeLayer &canvas, int criterion);
};

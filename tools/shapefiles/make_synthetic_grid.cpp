// Writes a regular point grid of any size with the fields of the canvas layer,
// for benchmarks (see SyntheticGrid.h).
//
//   make_synthetic_grid <points> <out.shp>
#include "tools/shapefiles/SyntheticGrid.h"

#include <cstdio>
#include <cstdlib>
#include <stdexcept>

int main(int argc, char **argv)
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <points> <out.shp>\n", argv[0]);
        return 2;
    }
    const long points = std::atol(argv[1]);
    if (points <= 0) {
        std::fprintf(stderr, "the number of points must be positive\n");
        return 2;
    }
    try {
        WriteSyntheticGrid(points, argv[2]);
        std::printf("%ld grid points written to %s\n", points, argv[2]);
    } catch (const std::exception &error) {
        std::fprintf(stderr, "%s\n", error.what());
        return 1;
    }
    return 0;
}

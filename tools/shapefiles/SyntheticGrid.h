#pragma once
#include <string>

// Writes `points` grid points spread evenly over 89..146 E, -13..31 N, with
// the fields of the canvas layer: smooth synthetic terrain and the climate
// model of the sample grid. Throws std::runtime_error when it cannot write.
void WriteSyntheticGrid(long points, const std::string &shpPath);

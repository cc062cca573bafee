#pragma once
#include "base/Error.h"

// A shapefile that cannot be read, a filter that cannot be compiled, a drawing
// outside a redraw or an export that failed.
using MapError = Error;

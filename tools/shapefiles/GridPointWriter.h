#pragma once
// Moved into the core, where silvaria-cli writes the grids it builds.
#include "mapping/GridPointWriter.h"

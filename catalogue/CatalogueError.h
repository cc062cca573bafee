#pragma once
#include "base/Error.h"

// A file that cannot be opened or a statement that cannot be run.
using CatalogueError = Error;

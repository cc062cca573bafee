#pragma once
// The layer sources and picture stamps live with the map engine, where the
// map windows' export uses them too.
#include "mapping/MapSources.h"

#pragma once
// Moved into the core, where silvaria-cli builds catalogues from their sources.
#include "catalogue/CatalogueWriter.h"

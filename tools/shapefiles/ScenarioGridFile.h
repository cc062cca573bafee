#pragma once
#include "mapping/GridPointWriter.h"

#include <QString>

#include <cstdint>
#include <functional>

// Writes <gridFolder>/scenarios/<name>/ as grid fetch lays a scenario out:
// the grid's points written again by the grid's own writer, each changed by
// `change` (its climate, or its place for a scenario on other points), with
// the grid's .prj and .cpg and a sources.txt naming GCM-1, ssp245, 2041-2060.
// The tests' scenarios and the benchmarks' are made with it.
void WriteScenarioGrid(const QString &gridFolder, const QString &name,
                       const std::function<void(GridPointWriter::Point &, std::uint32_t)> &change);

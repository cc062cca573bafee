#pragma once
#include "catalogue/ListStatements.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <vector>

// The functional uses of the catalogue, as bits of a mask.
enum SpeciesUse : std::uint16_t {
    UseTimber = 1 << 0, UseFruit = 1 << 1, UseResin = 1 << 2, UseFodder = 1 << 3, UseFirewood = 1 << 4,
    UseCharcoal = 1 << 5, UseBamboo = 1 << 6, UseRattan = 1 << 7, UseOthers = 1 << 8
};
// The bits follow UseNames() ("Timber" ... "Others", catalogue/ListStatements.h).
// The bit of a use name (any case), 0 for an unknown name.
std::uint16_t UseFromName(const QString &name);

// One species with its ranges as the catalogue engine compares them in the
// suitable-species statement: each criterion holds when min <= value <= max.
// A null bound never holds; a bound stored as text (not a number) compares
// above every number, so a text maximum always holds and a text minimum never.
struct SpeciesRangeRow {
    int spId = 0;
    QString name;
    QString uses;             // " (Timber) (Fruit)" as the suitable-species list shows them
    std::uint16_t useMask = 0;
    bool hasNull = false;     // some bound is null: never suitable
    double min[3] = {};       // ALT, MAR, MAT
    double max[3] = {};
    bool stated[3] = {};      // both bounds of the criterion are numbers

    bool suitableAt(const double value[3]) const
    {
        if (hasNull)
            return false;
        for (int c = 0; c < 3; ++c)
            if (!(min[c] <= value[c] && max[c] >= value[c]))
                return false;
        return true;
    }
};

// The catalogue's species and ranges in memory, read once, in the order the
// catalogue returns them (the order of the suitable-species list).
struct SpeciesRangeTable {
    std::vector<SpeciesRangeRow> rows;

    // Reads every species from the open catalogue; throws CatalogueError.
    static SpeciesRangeTable read();
    // The row of an identifier, or null.
    const SpeciesRangeRow *find(int spId) const;
};

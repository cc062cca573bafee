#pragma once
#include <QString>

// A catalogue of any size with every table filled, for benchmarks: made-up
// names from syllables, random ranges and uses, fixed seed so runs compare.
struct SyntheticSize {
    int species = 10000;
    int synonyms = 30000;
    int commonNames = 50000;
};
void WriteSyntheticCatalogue(const QString &outFile, const SyntheticSize &size, unsigned seed = 1);

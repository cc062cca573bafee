// Writes a synthetic catalogue for benchmarks (not committed):
//   make_synthetic_catalogue <output file> [species] [synonyms] [common names]
#include "catalogue/CatalogueError.h"
#include "tools/catalogue/SyntheticCatalogue.h"

#include <QCoreApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: make_synthetic_catalogue <output file> [species] [synonyms] [common names]\n");
        return 2;
    }
    SyntheticSize size;
    if (argc > 2) size.species = std::atoi(argv[2]);
    if (argc > 3) size.synonyms = std::atoi(argv[3]);
    if (argc > 4) size.commonNames = std::atoi(argv[4]);
    try {
        WriteSyntheticCatalogue(QString::fromLocal8Bit(argv[1]), size);
    } catch (const CatalogueError &e) {
        std::fprintf(stderr, "make_synthetic_catalogue: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}

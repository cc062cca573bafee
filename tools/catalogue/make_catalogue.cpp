// Writes the bundled sample catalogue from its readable sources:
//   make_catalogue <sources folder> <output .mdb>
#include "catalogue/CatalogueError.h"
#include "catalogue/CatalogueWriter.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_catalogue <sources folder> <output file>\n");
        return 2;
    }
    try {
        WriteCatalogueFromSources(QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]));
    } catch (const CatalogueError &e) {
        std::fprintf(stderr, "make_catalogue: %s\n", qPrintable(e.message()));
        return 1;
    }
    return 0;
}

#pragma once
#include <QString>

// Rows added to the fixture catalogue for the searches: a species whose names
// hold a quote, and a common name in Khmer.
inline QString SearchFixtureRows()
{
    return QStringLiteral("INSERT INTO Species (SpID, SpeciesName, Genus, FID) VALUES (7, 'Pandanus d''urvillei', 'Pandanus', 4);"
                          "INSERT INTO t_Language VALUES (4, 'Khmer');"
                          "INSERT INTO Vernacular VALUES (7, 'pandan d''eau', 1), (2, 'ម៉ៃសាក់', 4);");
}

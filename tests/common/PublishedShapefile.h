#pragma once
#include <QString>

// The path of nc.shp (North Carolina counties), a published shapefile that
// Debian's r-cran-sf ships. It is fetched once into the build tree with
// `apt-get download` and `dpkg -x`, never committed. Returns an empty path
// and sets `why` when it cannot be had (no network, no apt).
QString PublishedNcShapefile(QString &why);

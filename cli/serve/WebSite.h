#pragma once
#include "analysis/CellArea.h"
#include "analysis/CountryAssignment.h"
#include "analysis/GridClimate.h"
#include "analysis/MapData.h"
#include "analysis/SpeciesRangeTable.h"
#include "cli/serve/HttpServer.h"
#include "cli/serve/WebTexts.h"
#include "places/PlaceIndex.h"
#include "report/SiteReport.h"

#include <QCache>
#include <QMutex>

#include <memory>

// What the pages read, loaded once when the server starts from the open
// catalogue and the application folder's maps; never written afterwards.
struct WebData {
    QString appFolder;
    MapData maps;
    SpeciesRangeTable species;
    GridClimate climate;
    GridCells cells;
    std::shared_ptr<const CountryAssignment> countries;
    std::shared_ptr<const PlaceIndex> places; // null when the folder has no place index
    double reach = 0;                          // how far "here" looks for a grid point
    WebTexts texts;

    // What site reports read, over the maps above, made at the first report
    // (requests take their turn, so only one makes it).
    const SiteReportData &reportData() const;

    // Throws Error naming the file and the reason.
    static std::unique_ptr<WebData> load();

    mutable std::optional<SiteReportData> loadedReport; // see reportData()
};

// The site: answers every request from the data. The catalogue connection
// and the map engine are used by one request at a time; a request that
// waits longer than the limit for its turn is answered 503.
class WebSite {
public:
    WebSite(std::unique_ptr<WebData> data, HttpLimits limits);
    HttpResponse answer(const HttpRequest &request);
    const WebData &data() const { return *m_data; }

private:
    std::unique_ptr<WebData> m_data;
    HttpLimits m_limits;
    QMutex m_turn;
    QCache<QString, QByteArray> m_pictures{48};
};

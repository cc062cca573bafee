#include "analysis/PictureStamps.h"
#include "analysis/ProvinceAreas.h"
#include "analysis/ProvinceAssignment.h"
#include "analysis/SuitableArea.h"
#include "analysis/SuitabilityClasses.h"
#include "cli/CliCommand.h"
#include "cli/CliData.h"
#include "cli/Commands.h"
#include "cli/GisOutput.h"

#include <QCoreApplication>
#include <QFileInfo>

Rows AreaRowsFor(const AreaTable &table, bool byCountry, const QStringList &classes)
{
    Rows rows{{QStringLiteral("Country"), QStringLiteral("Land km2")}, {-1, 0}, {}};
    for (const QString &c : classes) {
        rows.headers << c + QStringLiteral(" km2") << c + QStringLiteral(" %");
        rows.decimals << 0 << 1;
    }
    const auto add = [&](const AreaRow &row) {
        QVariantList cells{row.country, row.landKm2};
        for (std::size_t k = 0; k < row.km2.size(); ++k)
            cells << row.km2[k] << row.share(k) * 100;
        rows.rows << cells;
    };
    if (byCountry) {
        for (const AreaRow &row : table.countries)
            add(row);
        if (table.outside.landKm2 > 0)
            add(table.outside);
    }
    add(table.total);
    return rows;
}

Rows ProvinceRowsFor(const ProvinceAreaTable &table, const QStringList &classes)
{
    Rows rows{{QStringLiteral("Country"), QStringLiteral("Province"), QStringLiteral("Land km2")}, {-1, -1, 0}, {}};
    for (const QString &c : classes) {
        rows.headers << c + QStringLiteral(" km2") << c + QStringLiteral(" %");
        rows.decimals << 0 << 1;
    }
    const auto add = [&](const QString &country, const QString &province, const AreaRow &row) {
        QVariantList cells{country, province, row.landKm2};
        for (std::size_t k = 0; k < row.km2.size(); ++k)
            cells << row.km2[k] << row.share(k) * 100;
        rows.rows << cells;
    };
    for (const ProvinceAreaBlock &block : table.countries) {
        for (const AreaRow &province : block.provinces)
            add(block.country.country, province.country, province);
        if (block.hasProvinces && block.outside.landKm2 > 0)
            add(block.country.country, block.outside.country, block.outside);
        add(block.country.country, QString(), block.country);
    }
    if (!table.oneCountry && table.outsideCountries.landKm2 > 0)
        add(OutsideBoundariesText(), QString(), table.outsideCountries);
    if (!table.oneCountry)
        add(QStringLiteral("total"), QString(), table.total);
    return rows;
}

namespace {

// The country of --country among the province layer's, or empty when not given.
QString provinceCountryOption(const CommandLine &line, const MapData &maps)
{
    if (!line.isSet(QStringLiteral("country")))
        return {};
    const QString given = line.value(QStringLiteral("country"));
    const QString country = ProvinceLayerCountry(*maps.provinces->data(), given);
    if (country.isEmpty())
        throw CliFailure(ExitDataError, QCoreApplication::translate("AreaCommand", "the province layer has no country \"%1\" (give a code such as TH, or a name)")
                                            .arg(given.left(80)));
    return country;
}

// The GeoPackage of the countries' areas, checked before any work is done.
QString countryFileOption(const CommandLine &line)
{
    const QString output = line.value(QStringLiteral("output"));
    if (!line.isSet(QStringLiteral("output")))
        return output;
    if (!line.isSet(QStringLiteral("by-country")))
        UsageError(QCoreApplication::translate("AreaCommand", "area -o writes the countries' polygons, so it needs --by-country"));
    if (QFileInfo(output).suffix().toLower() != QLatin1String("gpkg"))
        UsageError(QCoreApplication::translate("AreaCommand", "area -o takes a GeoPackage (.gpkg), not \"%1\"").arg(output));
    return output;
}

} // namespace

int RunAreaCommand(const QStringList &arguments)
{
    CommandLine line(QStringLiteral("area"), QCoreApplication::translate("AreaCommand", "The area in km2 of each class of the species' map (altitude, rainfall, temperature, "
                                    "full match), in total or per country, and its share of the gridded land."));
    line.addPositional(QStringLiteral("SPECIES"), QCoreApplication::translate("AreaCommand", "Identifier, current name or synonym."));
    line.addOption({QStringLiteral("by-country"), QCoreApplication::translate("AreaCommand", "One row per country of the boundary layer.")});
    line.addOption({QStringLiteral("by-province"), QCoreApplication::translate("AreaCommand", "One row per province of each country, and the country's row.")});
    line.addOption({QStringLiteral("country"), QCoreApplication::translate("AreaCommand", "With --by-province, only this country (code such as TH, or name)."),
                    QStringLiteral("CC")});
    AddOutputOption(line, QCoreApplication::translate("AreaCommand", "With --by-country, also write the countries' polygons with their rows' "
                                         "columns as a GeoPackage (.gpkg)."));
    AddRangeOptions(line);
    if (!line.parse(arguments))
        return ExitDone;
    const QString name = line.requiredPositional(QStringLiteral("SPECIES"));
    const RowFormat format = line.rowFormat();
    const QString output = countryFileOption(line);
    const bool byProvince = line.isSet(QStringLiteral("by-province"));
    if (byProvince && line.isSet(QStringLiteral("by-country")))
        UsageError(QCoreApplication::translate("AreaCommand", "area takes --by-country or --by-province, not both"));
    if (line.isSet(QStringLiteral("country")) && !byProvince)
        UsageError(QCoreApplication::translate("AreaCommand", "area --country needs --by-province"));
    line.openCatalogue();
    const SpeciesMatch species = ResolveSpecies(name);
    const Bounds bounds = ResolveBounds(line, species.spId);
    const MapData maps = LoadMaps();
    const GridCells cells = GridCells::of(*maps.canvas->data());
    const auto countries = CountryAssignment::of(maps.canvas->data(), maps.boundaries->data());
    const auto points = ClassPoints(*maps.canvas, bounds, maps.ranges);
    const std::vector<const std::vector<std::uint32_t> *> classes{&points[0], &points[1], &points[2], &points[3]};
    const QStringList classNames{QStringLiteral("ALT"), QStringLiteral("MAR"), QStringLiteral("MAT"), QStringLiteral("Full")};
    Rows rows;
    if (byProvince) {
        if (!maps.provinces)
            throw CliFailure(ExitDataError, QCoreApplication::translate("AreaCommand", "%1 has no province layer (province_bnd.shp)").arg(maps.folder));
        const QString country = provinceCountryOption(line, maps);
        const auto provinces = ProvincesOf(maps.canvas->data(), maps.provinces->data());
        rows = ProvinceRowsFor(SumProvinceAreas(classes, cells, *countries, *provinces, country), classNames);
    } else {
        rows = AreaRowsFor(SumAreas(classes, cells, *countries), line.isSet(QStringLiteral("by-country")), classNames);
    }
    const StampSpecies stamped{species.name, QString::number(species.spId), DrawnRangesText(bounds, maps.ranges)};
    if (!output.isEmpty())
        WriteCountryGeoPackage(maps.boundaries->data()->path(), rows, QStringLiteral("%1: suitable area by country").arg(species.name),
                               SuitabilityPictureStamp(stamped, AllClasses, SourceStamp(maps)), output);
    if (format == RowFormat::Table)
        PrintOut(QCoreApplication::translate("AreaCommand", "%1 (SpID %2): %3\n").arg(species.name).arg(species.spId).arg(stamped.ranges));
    PrintOut(FormatRows(rows, format));
    return ExitDone;
}

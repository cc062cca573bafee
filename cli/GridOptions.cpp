#include "cli/GridOptions.h"

#include "cli/CliCommand.h"
#include "cli/GridFolder.h"
#include "cli/OptionReaders.h"

#include <QCoreApplication>

void AddGridFolderOptions(CommandLine &line)
{
    line.addOption({QStringLiteral("countries"), QCoreApplication::translate("GridOptions", "Country boundaries (any vector source GDAL reads)."), QStringLiteral("FILE")});
    line.addOption({QStringLiteral("name-field"), QCoreApplication::translate("GridOptions", "The field of the country name (default NAME)."), QStringLiteral("FIELD")});
    line.addOption({QStringLiteral("extent"), QCoreApplication::translate("GridOptions", "The grid's extent in degrees."), QStringLiteral("W,S,E,N")});
    line.addOption({QStringLiteral("step"), QCoreApplication::translate("GridOptions", "The cell size in arc minutes."), QStringLiteral("MINUTES")});
    line.addOption({{QStringLiteral("o"), QStringLiteral("output")}, QStringLiteral("The folder to write (ShapeFiles)."), QStringLiteral("FOLDER")});
}

GridFrame GridFrameOption(const CommandLine &line, const QString &command, const std::optional<GridFrame> &defaults)
{
    const bool extent = line.isSet(QStringLiteral("extent")), step = line.isSet(QStringLiteral("step"));
    if (!defaults && (!extent || !step))
        UsageError(QCoreApplication::translate("GridOptions", "%1 needs --extent W,S,E,N and --step MINUTES").arg(command));
    GridFrame frame = defaults.value_or(GridFrame{});
    if (extent) {
        const MapExtent e = *ExtentOption(line);
        frame = {e.left(), e.bottom(), e.right(), e.top(), frame.stepMinutes};
    }
    if (step)
        frame.stepMinutes = NumberOption(QStringLiteral("step"), line.value(QStringLiteral("step")));
    if (!(frame.stepMinutes >= 0.01 && frame.stepMinutes <= 600))
        UsageError(QCoreApplication::translate("GridOptions", "--step takes arc minutes from 0.01 to 600, not \"%1\"").arg(line.value(QStringLiteral("step"))));
    return frame;
}

void ReadGridFolderOptions(const CommandLine &line, const QString &command, GridFolderRequest &request)
{
    request.output = line.value(QStringLiteral("output"));
    if (request.output.isEmpty())
        UsageError(QCoreApplication::translate("GridOptions", "%1 needs -o FOLDER").arg(command));
    request.countries = line.value(QStringLiteral("countries"));
    if (line.isSet(QStringLiteral("name-field"))) {
        if (request.countries.isEmpty())
            UsageError(QCoreApplication::translate("GridOptions", "--name-field goes with --countries"));
        request.nameField = line.value(QStringLiteral("name-field"));
    }
}

#include "mapping/frmIdentifyEngine.h"

#include "catalogue/CurrentSpecies.h"
#include "controls/ListSorter.h"
#include "controls/ReportList.h"
#include "controls/TopmostWindow.h"
#include "controls/Twips.h"
#include "controls/splitter.h"
#include "mapping/MapControl.h"
#include "mapping/MapLayer.h"
#include "mapping/MapRecordSet.h"
#include "mapping/SuitabilityMap.h"
#include "mapping/SuitableSpecies.h"

#include <QHeaderView>
#include <QTextEdit>

#include <algorithm>
#include <exception>
#include <stdexcept>

namespace {


float gridValue(const MapField &field)
{
    bool ok = false;
    const double v = field.value.toDouble(&ok);
    if (field.value.isNull() || !ok)
        throw std::runtime_error(QStringLiteral("The grid point has no %1 value, so no species can be matched to it.")
                                     .arg(field.name)
                                     .toStdString());
    return float(v);
}

} // namespace

frmIdentifyEngine::frmIdentifyEngine(QWidget *owner)
    : QWidget(nullptr),
      frmContainer(new QWidget(this)),
      lstIdentifyMap(new ReportList(2, frmContainer)),
      splt(new splitter(frmContainer)),
      lstSTS(new ReportList(3, frmContainer))
{
    MakeTopmostWindow(this, owner);
    setObjectName(QStringLiteral("frmIdentifyEngine"));
    setWindowTitle(QStringLiteral("Suitable Tree Species"));
    frmContainer->setObjectName(QStringLiteral("frmContainer"));
    lstIdentifyMap->setObjectName(QStringLiteral("lstIdentifyMap"));
    lstSTS->setObjectName(QStringLiteral("lstSTS"));
    splt->setObjectName(QStringLiteral("splt"));
    lstIdentifyMap->setHeaderLabels({QStringLiteral("Field"), QStringLiteral("Value")});
    lstIdentifyMap->header()->resizeSection(0, TwipsToPixelsX(1000, this));
    lstIdentifyMap->header()->resizeSection(1, TwipsToPixelsX(1000, this));
    lstSTS->setHeaderLabels({QStringLiteral("Species ID"), QStringLiteral("Species Name"), QStringLiteral("Functional Uses")});
    lstSTS->header()->resizeSection(0, TwipsToPixelsX(1000, this));
    lstSTS->header()->resizeSection(1, TwipsToPixelsX(3000, this));
    lstSTS->header()->resizeSection(2, TwipsToPixelsX(3000, this));

    // The bar between the lists moves sideways and resizes both.
    splt->setSplitterDirection(splitter::Vertical);
    splt->setDecoration(1);
    splt->setControl_Top_Or_Left(lstIdentifyMap);
    splt->setControl_Bottom_Or_Right(lstSTS);
    m_valuesWidth = TwipsToPixelsX(2400, this);
    connect(splt, &splitter::AfterScroll, this, [this] { m_valuesWidth = lstIdentifyMap->width(); });
    resize(TwipsToPixelsX(9600, this), TwipsToPixelsY(3600, this));

    // A click on a row (the selected one included) or Enter shows that species;
    // the arrow keys only move the selection.
    connect(lstSTS, &ReportList::rowChosen, this, &frmIdentifyEngine::ShowChosenSpecies);
    connect(lstSTS->header(), &QHeaderView::sectionClicked, this, [this](int section) {
        static const char *const kinds[] = {"", "Species Name", "Functional Uses"};
        if (section >= 0 && section < 3)
            SortList(lstSTS, section + 1, QString::fromLatin1(kinds[section]));
    });
}

void frmIdentifyEngine::resizeEvent(QResizeEvent *)
{
    // The container fills the window; the lists share it on either side of the
    // bar, the point's values keeping the width the user last dragged them to.
    frmContainer->setGeometry(rect());
    const int bar = splt->width();
    const int left = std::clamp(m_valuesWidth, 0, std::max(0, width() - bar));
    lstIdentifyMap->setGeometry(0, 0, left, height());
    splt->setGeometry(left, 0, bar, height());
    lstSTS->setGeometry(left + bar, 0, std::max(0, width() - left - bar), height());
}

frmIdentifyEngine *frmIdentifyEngine::FindSuitableSpecies(MapControl *map, double x, double y, QWidget *owner)
{
    const auto &canvas = map->layers().item(CanvasLayer);
    const MapPoint point = map->toMapPoint(x, y);
    const MapRecordSet found = canvas->searchAtPoint(point, map->toMapDistance(100));
    if (found.isEOF())
        return nullptr;
    const QStringList &hidden = IdentifyHiddenFields();
    float alt = 0, mar = 0, mat = 0;
    QList<QStringList> values;
    for (const MapField &field : found.fields()) {
        if (field.name == QLatin1String("ALT"))
            alt = gridValue(field);
        else if (field.name == QLatin1String("MAR"))
            mar = gridValue(field);
        else if (field.name == QLatin1String("MAT"))
            mat = gridValue(field);
        if (!hidden.contains(field.name))
            values << QStringList{field.name, field.valueText};
    }
    const QList<SuitableSpeciesRow> species = QuerySuitableSpecies(alt, mar, mat);

    auto *window = new frmIdentifyEngine(owner);
    window->lstIdentifyMap->clear();
    window->lstSTS->clear();
    for (const QStringList &row : values)
        window->lstIdentifyMap->addTexts(row);
    for (const SuitableSpeciesRow &row : species)
        window->lstSTS->addTexts({row.spId, row.name, row.uses});
    window->show();
    return window;
}

void frmIdentifyEngine::ShowChosenSpecies()
{
    CurrentSpecies::instance().showSpecies(ReportList::cell(lstSTS->selectedRow(), 1));
}

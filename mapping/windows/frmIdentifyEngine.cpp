#include "mapping/windows/frmIdentifyEngine.h"

#include "controls/TranslatedText.h"

#include "catalogue/CurrentSpecies.h"
#include "controls/ListSorter.h"
#include "controls/ReportList.h"
#include "controls/TopmostWindow.h"
#include "controls/Twips.h"
#include "controls/splitter.h"
#include "mapping/windows/MapControl.h"
#include "mapping/MapLayer.h"
#include "mapping/MapRecordSet.h"
#include "mapping/windows/SuitabilityMap.h"
#include "mapping/SuitableSpecies.h"
#include "report/windows/frmSiteReport.h"

#include <QBoxLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QPushButton>
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
        throw std::runtime_error(frmIdentifyEngine::tr("The grid point has no %1 value, so no species can be matched to it.")
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
      frmAnswers(new QWidget(frmContainer)),
      lstSTS(new ReportList(3, frmAnswers)),
      fraNear(Translated(new QGroupBox(frmAnswers), "frmIdentifyEngine", QT_TR_NOOP("Nearly suitable here"))),
      fraIncomplete(Translated(new QGroupBox(frmAnswers), "frmIdentifyEngine", QT_TR_NOOP("Ranges incomplete"))),
      lstNear(new ReportList(6, fraNear)),
      lstIncomplete(new ReportList(2, fraIncomplete)),
      cmdReport(Translated(new QPushButton(frmAnswers), "frmIdentifyEngine", QT_TRANSLATE_NOOP("frmIdentifyEngine", "Site Report...")))
{
    MakeTopmostWindow(this, owner);
    setObjectName(QStringLiteral("frmIdentifyEngine"));
    setTitle([] { return tr("Suitable Tree Species"); });
    frmContainer->setObjectName(QStringLiteral("frmContainer"));
    lstIdentifyMap->setObjectName(QStringLiteral("lstIdentifyMap"));
    lstSTS->setObjectName(QStringLiteral("lstSTS"));
    splt->setObjectName(QStringLiteral("splt"));
    SetTranslatedHeadings(lstIdentifyMap, "frmIdentifyEngine", {QT_TR_NOOP("Field"), QT_TR_NOOP("Value")});
    lstIdentifyMap->header()->resizeSection(0, TwipsToPixelsX(1000, this));
    lstIdentifyMap->header()->resizeSection(1, TwipsToPixelsX(1000, this));
    SetTranslatedHeadings(lstSTS, "frmIdentifyEngine", {QT_TR_NOOP("Species ID"), QT_TR_NOOP("Species Name"), QT_TR_NOOP("Functional Uses")});
    lstSTS->header()->resizeSection(0, TwipsToPixelsX(1000, this));
    lstSTS->header()->resizeSection(1, TwipsToPixelsX(3000, this));
    lstSTS->header()->resizeSection(2, TwipsToPixelsX(3000, this));

    // The bar between the lists moves sideways and resizes both.
    splt->setSplitterDirection(splitter::Vertical);
    splt->setDecoration(1);
    splt->setControl_Top_Or_Left(lstIdentifyMap);
    splt->setControl_Bottom_Or_Right(frmAnswers);
    buildAnswerLists();
    m_valuesWidth = TwipsToPixelsX(2400, this);
    connect(splt, &splitter::AfterScroll, this, [this] { m_valuesWidth = lstIdentifyMap->width(); });
    resize(TwipsToPixelsX(15600, this), TwipsToPixelsY(4320, this));

    // A click on a row (the selected one included) or Enter shows that species;
    // the arrow keys only move the selection.
    connect(lstSTS, &ReportList::rowChosen, this, &frmIdentifyEngine::ShowChosenSpecies);
    connect(lstSTS->header(), &QHeaderView::sectionClicked, this, [this](int section) {
        static const char *const kinds[] = {"", "Species Name", "Functional Uses"};
        if (section >= 0 && section < 3)
            SortList(lstSTS, section + 1, QString::fromLatin1(kinds[section]));
    });
}

void frmIdentifyEngine::resizeEvent(QResizeEvent *) { layOutLists(); }

void frmIdentifyEngine::setTitle(const std::function<QString()> &title)
{
    delete m_titleMaker;
    m_titleMaker = KeepTranslated(this, [this, title] { setWindowTitle(title()); });
}

void frmIdentifyEngine::layOutLists()
{
    // The container fills the window; the lists share it on either side of the
    // bar, the point's values keeping the width the user last dragged them to.
    frmContainer->setGeometry(rect());
    const int bar = splt->width();
    const int left = std::clamp(m_valuesWidth, 0, std::max(0, width() - bar));
    lstIdentifyMap->setGeometry(0, 0, left, height());
    splt->setGeometry(left, 0, bar, height());
    frmAnswers->setGeometry(left + bar, 0, std::max(0, width() - left - bar), height());
}

void frmIdentifyEngine::buildAnswerLists()
{
    fraNear->setObjectName(QStringLiteral("fraNear"));
    fraIncomplete->setObjectName(QStringLiteral("fraIncomplete"));
    lstNear->setObjectName(QStringLiteral("lstNear"));
    lstIncomplete->setObjectName(QStringLiteral("lstIncomplete"));
    SetTranslatedHeadings(lstNear, "frmIdentifyEngine",
                          {QT_TR_NOOP("Species ID"), QT_TR_NOOP("Species Name"), QT_TR_NOOP("Criterion"), QT_TR_NOOP("Value"),
                           QT_TR_NOOP("Range"), QT_TR_NOOP("Miss")});
    const int widths[6] = {500, 1700, 550, 550, 1000, 2100};
    for (int i = 0; i < 6; ++i)
        lstNear->header()->resizeSection(i, TwipsToPixelsX(widths[i], this));
    SetTranslatedHeadings(lstIncomplete, "frmIdentifyEngine", {QT_TR_NOOP("Species ID"), QT_TR_NOOP("Species Name")});
    lstIncomplete->header()->resizeSection(0, TwipsToPixelsX(700, this));
    // The near misses keep their order (smallest relative miss first).
    lstNear->setSortingEnabled(false);
    auto *nearLayout = new QVBoxLayout(fraNear);
    nearLayout->setContentsMargins(2, 2, 2, 2);
    nearLayout->addWidget(lstNear);
    auto *incompleteLayout = new QVBoxLayout(fraIncomplete);
    incompleteLayout->setContentsMargins(2, 2, 2, 2);
    incompleteLayout->addWidget(lstIncomplete);
    auto *others = new QVBoxLayout;
    others->addWidget(fraNear, 3);
    others->addWidget(fraIncomplete, 1);
    cmdReport->setObjectName(QStringLiteral("cmdReport"));
    others->addWidget(cmdReport, 0, Qt::AlignRight);
    connect(cmdReport, &QPushButton::clicked, this, &frmIdentifyEngine::cmdReport_Click);
    auto *layout = new QHBoxLayout(frmAnswers);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(4);
    layout->addWidget(lstSTS, 4);
    layout->addLayout(others, 6);
    // A row of either list shows its species, as a row of the suitable list does.
    for (ReportList *list : {lstNear, lstIncomplete})
        connect(list, &ReportList::rowChosen, this, [list] {
            CurrentSpecies::instance().showSpecies(ReportList::cell(list->selectedRow(), 1));
        });
}

frmIdentifyEngine *frmIdentifyEngine::FindSuitableSpecies(MapControl *map, double x, double y, QWidget *owner,
                                                          const PointRowsLookup &moreRows)
{
    const auto &canvas = map->layers().item(CanvasLayer);
    const MapPoint point = map->toMapPoint(x, y);
    const MapRecordSet found = canvas->searchAtPoint(point, map->toMapDistance(100));
    if (found.isEOF())
        return nullptr;
    const QStringList &hidden = IdentifyHiddenFields();
    float alt = 0, mar = 0, mat = 0;
    PointSpeciesRows rows;
    for (const MapField &field : found.fields()) {
        if (field.name == QLatin1String("ALT"))
            alt = gridValue(field);
        else if (field.name == QLatin1String("MAR"))
            mar = gridValue(field);
        else if (field.name == QLatin1String("MAT"))
            mat = gridValue(field);
        if (!hidden.contains(field.name))
            rows.values << QStringList{field.name, field.valueText};
    }
    for (const SuitableSpeciesRow &row : QuerySuitableSpecies(alt, mar, mat))
        rows.suitable << QStringList{row.spId, row.name, row.uses};
    if (moreRows)
        moreRows(rows, canvas->data(), found.featureId());

    auto *window = new frmIdentifyEngine(owner);
    window->SetSite({point.x, point.y, QString()});
    window->ShowRows(rows);
    window->show();
    return window;
}

void frmIdentifyEngine::ShowRows(const PointSpeciesRows &rows)
{
    const std::pair<ReportList *, const QList<QStringList> *> lists[4] = {
        {lstIdentifyMap, &rows.values}, {lstSTS, &rows.suitable}, {lstNear, &rows.nearMisses}, {lstIncomplete, &rows.incomplete}};
    for (const auto &[list, texts] : lists) {
        list->clear();
        for (const QStringList &row : *texts)
            list->addTexts(row);
    }
    m_valuesWidth += lstIdentifyMap->widenToContents(0);
    layOutLists();
}

void frmIdentifyEngine::SetSite(const SitePosition &site)
{
    m_site = site;
    RememberSite(site);
}

void frmIdentifyEngine::cmdReport_Click() { (new frmSiteReport(this, m_site))->show(); }

void frmIdentifyEngine::ShowChosenSpecies()
{
    CurrentSpecies::instance().showSpecies(ReportList::cell(lstSTS->selectedRow(), 1));
}

#include "catalogue/modLoadList.h"

#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "catalogue/SpeciesLists.h"
#include "controls/Twips.h"
#include "factsheet/ListSorter.h"
#include "factsheet/ReportList.h"
#include "factsheet/frmList.h"

#include <QHeaderView>
#include <QMessageBox>

namespace {

const QColor White(255, 255, 255);
const QColor LightGreen(192, 255, 192);

void show(const SpeciesList &rows)
{
    frmMain *main = frmMain::Instance();
    frmList *window = main->ListWindow();
    const QString first = FillSpeciesList(window->lstTree, rows);
    if (!first.isNull())
        SetCurrentSpID(first);
    main->ShowChild(window);
    // The list stays usable; the user learns why it is empty.
    if (!rows.error.isEmpty())
        QMessageBox::warning(main, QStringLiteral("Species List"),
                             QStringLiteral("The species list could not be read: %1").arg(rows.error));
}

} // namespace

QString FillSpeciesList(ReportList *list, const SpeciesList &rows)
{
    // Filling the list is not a row choice: the fact sheet stays as it is.
    const QSignalBlocker quiet(list);
    list->setUpdatesEnabled(false);
    list->clear();
    for (int i = 0; i < rows.headers.size() && i + 2 < list->columnCount(); ++i) {
        if (!rows.headers[i].isEmpty())
            list->headerItem()->setText(i + 2, rows.headers[i]);
    }
    for (int i = 0; i < rows.widths.size() && i < list->columnCount(); ++i)
        list->header()->resizeSection(i, TwipsToPixelsX(rows.widths[i], list));
    QList<QTreeWidgetItem *> items;
    items.reserve(rows.rows.size());
    for (const SpeciesListRow &row : rows.rows)
        items << ReportList::makeRow({row.spId, row.found, row.current, row.extra, row.language});
    list->addTopLevelItems(items);
    PaintAlternatingRows(list, White, LightGreen);
    list->resort();
    list->setUpdatesEnabled(true);
    if (list->topLevelItemCount() == 0)
        return QString();
    QTreeWidgetItem *first = list->topLevelItem(0);
    list->setCurrentItem(first);
    return ReportList::cell(first, 2);
}

void LoadBotanicList(const QString &genus, int mode) { show(QueryBotanicList(genus, mode)); }

void LoadCommonList(const QString &language, int mode) { show(QueryCommonList(language, mode)); }

void LoadUseList(const QString &useColumn) { show(QueryUseList(useColumn)); }

void LoadSpeciesById(const QString &spId) { show(QuerySpeciesById(spId)); }

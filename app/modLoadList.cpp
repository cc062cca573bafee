#include "app/modLoadList.h"

#include "app/frmMain.h"
#include "catalogue/CurrentSpecies.h"
#include "catalogue/SpeciesLists.h"
#include "controls/ShowError.h"
#include "factsheet/windows/frmList.h"

#include <QCoreApplication>

namespace {

void show(const SpeciesList &rows)
{
    frmMain *main = frmMain::Instance();
    frmList *window = main->ListWindow();
    const QString first = window->ShowRows(rows);
    if (!first.isNull())
        SetCurrentSpID(first);
    main->ShowChild(window);
    // The list stays usable; the user learns why it is empty.
    if (!rows.error.isEmpty())
        ShowError(main, QCoreApplication::translate("modLoadList", "Species List"),
                  QCoreApplication::translate("modLoadList", "The species list could not be read: %1").arg(rows.error));
}

} // namespace

void LoadBotanicList(const QString &genus, int mode) { show(QueryBotanicList(genus, mode)); }

void LoadCommonList(const QString &language, int mode) { show(QueryCommonList(language, mode)); }

void LoadUseList(const QString &useColumn) { show(QueryUseList(useColumn)); }

void LoadSpeciesById(const QString &spId) { show(QuerySpeciesById(spId)); }

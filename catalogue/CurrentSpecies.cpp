#include "catalogue/CurrentSpecies.h"

CurrentSpecies &CurrentSpecies::instance()
{
    static CurrentSpecies state;
    return state;
}

void CurrentSpecies::setSelected(const QString &spId, const QString &currentName)
{
    m_selectedId = spId;
    m_selectedName = currentName;
}

QString CurrentSpID() { return CurrentSpecies::instance().id(); }

void SetCurrentSpID(const QString &spId) { CurrentSpecies::instance().setId(spId); }

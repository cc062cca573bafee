#include "catalogue/CurrentSpecies.h"

namespace {
QString &current()
{
    static QString spId;
    return spId;
}
} // namespace

QString CurrentSpID() { return current(); }

void SetCurrentSpID(const QString &spId) { current() = spId; }

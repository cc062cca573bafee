#include "report/SitePosition.h"

namespace {
std::optional<SitePosition> &lastSite()
{
    static std::optional<SitePosition> site;
    return site;
}
} // namespace

void RememberSite(const SitePosition &site) { lastSite() = site; }

std::optional<SitePosition> LastSite() { return lastSite(); }

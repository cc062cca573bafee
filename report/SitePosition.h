#pragma once
#include <QString>

#include <optional>

// A position a site report can be made for: a clicked map point, or a place
// found by name.
struct SitePosition {
    double lon = 0, lat = 0;
    QString place; // the place's name; empty for a clicked point
};

// The last position whose suitable species were asked for (a point clicked
// with the Suitable Tree Species tool, or a place found), which the Site
// Report window offers first.
void RememberSite(const SitePosition &site);
std::optional<SitePosition> LastSite();

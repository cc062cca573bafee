#pragma once
#include <QCoreApplication>

// The translation context of every text the site report writes.
class SiteReportText {
    Q_DECLARE_TR_FUNCTIONS(SiteReportText)
};

#include "controls/Twips.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

#include <cmath>

namespace {
double dpiX(const QWidget *w)
{
    if (w)
        return w->logicalDpiX();
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->logicalDotsPerInchX() : 96.0;
}
double dpiY(const QWidget *w)
{
    if (w)
        return w->logicalDpiY();
    const QScreen *s = QGuiApplication::primaryScreen();
    return s ? s->logicalDotsPerInchY() : 96.0;
}
} // namespace

int TwipsToPixelsX(double twips, const QWidget *widget) { return int(std::lround(twips * dpiX(widget) / 1440.0)); }
int TwipsToPixelsY(double twips, const QWidget *widget) { return int(std::lround(twips * dpiY(widget) / 1440.0)); }
double PixelsToTwipsX(double pixels, const QWidget *widget) { return pixels * 1440.0 / dpiX(widget); }
double PixelsToTwipsY(double pixels, const QWidget *widget) { return pixels * 1440.0 / dpiY(widget); }

#pragma once

class QWidget;

// Window lengths are kept in twips (1/1440 inch) and converted at the screen's
// logical resolution.
int TwipsToPixelsX(double twips, const QWidget *widget = nullptr);
int TwipsToPixelsY(double twips, const QWidget *widget = nullptr);
double PixelsToTwipsX(double pixels, const QWidget *widget = nullptr);
double PixelsToTwipsY(double pixels, const QWidget *widget = nullptr);

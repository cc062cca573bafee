#pragma once

class QWidget;

// Window lengths are kept in twips (1/1440 inch) and converted at the screen's
// logical resolution.
int TwipsToPixelsX(double twips, const QWidget *widget = nullptr);
int TwipsToPixelsY(double twips, const QWidget *widget = nullptr);
double PixelsToTwipsX(double pixels, const QWidget *widget = nullptr);
double PixelsToTwipsY(double pixels, const QWidget *widget = nullptr);

// Places a widget at a position given in twips (left, top, width, height).
template <typename W>
W *PlaceTwips(W *widget, double left, double top, double width, double height)
{
    widget->setGeometry(TwipsToPixelsX(left, widget), TwipsToPixelsY(top, widget), TwipsToPixelsX(width, widget),
                        TwipsToPixelsY(height, widget));
    return widget;
}

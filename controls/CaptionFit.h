#pragma once

class QWidget;

// Captions in a language longer than English stay whole in windows whose
// controls have fixed places: a label with room for more lines wraps, and a
// caption that still does not fit is set in a smaller font (down to 60 %).
// A control that fits keeps its font and wrapping, so English looks as it
// always did; each fit starts again from the control's own font.
void FitCaptions(QWidget *window);

// Whether a label's or button's caption is shown whole at its present size.
bool CaptionFits(const QWidget *control);

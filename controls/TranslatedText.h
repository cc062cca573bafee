#pragma once

#include <QList>

#include <functional>

class QAction;
class QObject;
class QTreeWidget;
class QWidget;

// Fixed captions that follow the chosen language without a window's own code:
// the text is set now from its untranslated `source` (marked where it is written
// with QT_TRANSLATE_NOOP(context, ...)) and set again on every language change.
// The widget's kind says which text it is: a label's or a button's text, a group
// box's title, a line edit's placeholder, or else the window title.
template <typename W> W *Translated(W *widget, const char *context, const char *source);
void SetTranslatedText(QWidget *widget, const char *context, const char *source);
void SetTranslatedToolTip(QWidget *widget, const char *context, const char *source);
// A list's column headings.
void SetTranslatedHeadings(QTreeWidget *list, const char *context, const QList<const char *> &sources);
// Any text made from a translation and data ("Point Id: %1"): `apply` sets it
// now and again whenever `widget` is told of a new language, until the object
// returned (a child of `widget`) is deleted.
QObject *KeepTranslated(QWidget *widget, std::function<void()> apply);
// An action's text and tool tip (the tool tip: the same text); kept in step
// through the widgets that show the action.
void SetTranslatedAction(QAction *action, const char *context, const char *source);

template <typename W> W *Translated(W *widget, const char *context, const char *source)
{
    SetTranslatedText(widget, context, source);
    return widget;
}

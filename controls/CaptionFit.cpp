#include "controls/CaptionFit.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QLabel>
#include <QRadioButton>
#include <QToolButton>
#include <QVariant>

namespace {

const char *const OwnFontKey = "captionFitFont";
const char *const OwnWrapKey = "captionFitWrap";

// A tool button that shows only its icon has no caption to fit.
bool iconOnly(const QWidget *w)
{
    const auto *tool = qobject_cast<const QToolButton *>(w);
    return tool && tool->toolButtonStyle() == Qt::ToolButtonIconOnly;
}

bool isCaption(const QWidget *w)
{
    if (iconOnly(w))
        return false;
    if (const auto *label = qobject_cast<const QLabel *>(w))
        return !label->text().isEmpty() && label->pixmap().isNull();
    if (const auto *button = qobject_cast<const QAbstractButton *>(w))
        return !button->text().isEmpty();
    return false;
}

// The width a push button's text and icon take, inside the button's frame.
int pushButtonNeed(const QAbstractButton *button)
{
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    return button->fontMetrics().horizontalAdvance(button->text()) + icon + 6;
}

void restoreOwn(QWidget *w)
{
    if (const QVariant font = w->property(OwnFontKey); font.isValid())
        w->setFont(font.value<QFont>());
    if (auto *label = qobject_cast<QLabel *>(w); label && w->property(OwnWrapKey).isValid())
        label->setWordWrap(w->property(OwnWrapKey).toBool());
}

void fit(QWidget *w)
{
    restoreOwn(w);
    if (CaptionFits(w))
        return;
    w->setProperty(OwnFontKey, w->font());
    auto *label = qobject_cast<QLabel *>(w);
    if (label && !label->wordWrap() && w->height() >= 2 * w->fontMetrics().lineSpacing()) {
        w->setProperty(OwnWrapKey, false);
        label->setWordWrap(true);
    }
    const QFont own = w->font();
    QFont smaller = own;
    for (double scale = 0.9; !CaptionFits(w) && scale > 0.55; scale -= 0.1) {
        smaller.setPointSizeF(own.pointSizeF() * scale);
        w->setFont(smaller);
    }
}

} // namespace

bool CaptionFits(const QWidget *w)
{
    if (const auto *label = qobject_cast<const QLabel *>(w)) {
        if (label->wordWrap())
            return label->heightForWidth(label->width()) <= label->height();
        return label->sizeHint().width() <= label->width();
    }
    if (const auto *button = qobject_cast<const QAbstractButton *>(w); button && !iconOnly(w)) {
        const bool box = qobject_cast<const QCheckBox *>(w) || qobject_cast<const QRadioButton *>(w);
        return (box ? button->sizeHint().width() : pushButtonNeed(button)) <= button->width();
    }
    return true;
}

void FitCaptions(QWidget *window)
{
    for (QWidget *w : window->findChildren<QWidget *>())
        if (isCaption(w) && !w->isHidden())
            fit(w);
}

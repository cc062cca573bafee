#include "controls/TranslatedText.h"

#include "controls/CaptionFit.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QTreeWidget>

namespace {

const char *const ContextKey = "i18nContext";
const char *const TextKey = "i18nText";
const char *const ToolTipKey = "i18nToolTip";
const char *const HeadingsKey = "i18nHeadings";

QString translated(const QObject *object, const char *key)
{
    const QByteArray source = object->property(key).toByteArray();
    const QByteArray context = object->property(ContextKey).toByteArray();
    return QCoreApplication::translate(context.constData(), source.constData());
}

void applyText(QWidget *widget)
{
    const QString text = translated(widget, TextKey);
    if (auto *label = qobject_cast<QLabel *>(widget))
        label->setText(text);
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->setText(text);
    else if (auto *group = qobject_cast<QGroupBox *>(widget))
        group->setTitle(text);
    else if (auto *edit = qobject_cast<QLineEdit *>(widget))
        edit->setPlaceholderText(text);
    else
        widget->setWindowTitle(text);
}

void applyHeadings(QTreeWidget *list)
{
    const QByteArray context = list->property(ContextKey).toByteArray();
    QStringList headings;
    for (const QByteArray &source : list->property(HeadingsKey).value<QByteArrayList>())
        headings << QCoreApplication::translate(context.constData(), source.constData());
    list->setHeaderLabels(headings);
}

void applyAction(QAction *action)
{
    const QString text = translated(action, TextKey);
    action->setText(text);
    action->setToolTip(text);
}

// Watches the language changes that reach every widget, once for the
// application, and fits the captions of each window shown or retranslated.
class LanguageFollower : public QObject {
public:
    static void ensureInstalled()
    {
        static QPointer<LanguageFollower> follower;
        if (!follower && QCoreApplication::instance()) {
            follower = new LanguageFollower(QCoreApplication::instance());
            QCoreApplication::instance()->installEventFilter(follower);
        }
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        const QEvent::Type type = event->type();
        if ((type != QEvent::LanguageChange && type != QEvent::Show) || !watched->isWidgetType())
            return false;
        auto *widget = static_cast<QWidget *>(watched);
        if (type == QEvent::Show) {
            if (widget->isWindow())
                FitCaptions(widget);
            return false;
        }
        // A window's captions are fitted once all its controls have their new texts.
        if (widget->isWindow())
            QMetaObject::invokeMethod(widget, [widget] { FitCaptions(widget); }, Qt::QueuedConnection);
        if (widget->property(TextKey).isValid())
            applyText(widget);
        if (widget->property(HeadingsKey).isValid())
            applyHeadings(static_cast<QTreeWidget *>(widget));
        if (widget->property(ToolTipKey).isValid())
            widget->setToolTip(translated(widget, ToolTipKey));
        for (QAction *action : widget->actions())
            if (action->property(TextKey).isValid())
                applyAction(action);
        return false;
    }

private:
    using QObject::QObject;
};

// Runs a text's maker on every language change of the widget it belongs to.
class TextMaker : public QObject {
public:
    TextMaker(QWidget *widget, std::function<void()> apply) : QObject(widget), m_apply(std::move(apply))
    {
        widget->installEventFilter(this);
        m_apply();
    }

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        if (event->type() == QEvent::LanguageChange)
            m_apply();
        return false;
    }

private:
    std::function<void()> m_apply;
};

} // namespace

QObject *KeepTranslated(QWidget *widget, std::function<void()> apply) { return new TextMaker(widget, std::move(apply)); }

void SetTranslatedText(QWidget *widget, const char *context, const char *source)
{
    LanguageFollower::ensureInstalled();
    widget->setProperty(ContextKey, QByteArray(context));
    widget->setProperty(TextKey, QByteArray(source));
    applyText(widget);
}

void SetTranslatedToolTip(QWidget *widget, const char *context, const char *source)
{
    LanguageFollower::ensureInstalled();
    widget->setProperty(ContextKey, QByteArray(context));
    widget->setProperty(ToolTipKey, QByteArray(source));
    widget->setToolTip(translated(widget, ToolTipKey));
}

void SetTranslatedHeadings(QTreeWidget *list, const char *context, const QList<const char *> &sources)
{
    LanguageFollower::ensureInstalled();
    QByteArrayList headings;
    for (const char *source : sources)
        headings << QByteArray(source);
    list->setProperty(ContextKey, QByteArray(context));
    list->setProperty(HeadingsKey, QVariant::fromValue(headings));
    applyHeadings(list);
}

void SetTranslatedAction(QAction *action, const char *context, const char *source)
{
    LanguageFollower::ensureInstalled();
    action->setProperty(ContextKey, QByteArray(context));
    action->setProperty(TextKey, QByteArray(source));
    applyAction(action);
}

#include "controls/OutlookBar.h"

#include <QVariant>

OutlookBar::OutlookBar(QWidget *parent) : QToolBox(parent) {}

void OutlookBar::RemoveAll()
{
    while (count() > 0) {
        QWidget *hosted = widget(0);
        removeItem(0);
        hosted->setParent(nullptr); // the hosted control belongs to its owner, not the bar
    }
}

void OutlookBar::AddSection(const QString &key, const QString &caption, QWidget *hosted, int iconIndex)
{
    hosted->setProperty("sectionKey", key);
    const QIcon icon = iconIndex >= 0 && iconIndex < m_icons.size() ? m_icons[iconIndex] : QIcon();
    addItem(hosted, icon, caption);
}

QString OutlookBar::SectionKey(int index) const
{
    const QWidget *hosted = widget(index);
    return hosted ? hosted->property("sectionKey").toString() : QString();
}

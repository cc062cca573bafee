#pragma once
#include <QIcon>
#include <QList>
#include <QToolBox>

// An outlook-style section bar: a stack of section headers, each with a caption
// and an icon, of which one is open and shows the control it hosts.
class OutlookBar : public QToolBox {
    Q_OBJECT
public:
    explicit OutlookBar(QWidget *parent = nullptr);

    void RemoveAll();
    void SetImageList(const QList<QIcon> &icons) { m_icons = icons; }
    // Adds a section; `iconIndex` counts from 0 in the image list.
    void AddSection(const QString &key, const QString &caption, QWidget *hosted, int iconIndex);
    // Stops and resumes redrawing while the bar is filled.
    void SetRedraw(bool on) { setUpdatesEnabled(on); }
    QString SectionKey(int index) const;

private:
    QList<QIcon> m_icons;
};

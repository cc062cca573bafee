#pragma once
#include <QColor>
#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>

class QLabel;
class QVBoxLayout;

// A legend of colour swatches with captions under a title. The swatch of
// entry i is "picLegend<i>", its caption "lblLegend<i>".
class MapLegend : public QWidget {
    Q_OBJECT
public:
    explicit MapLegend(const QString &title, QWidget *parent = nullptr);
    void setEntries(const QList<QPair<QColor, QString>> &entries);
    QStringList captions() const;

private:
    QVBoxLayout *m_rows;
    QList<QWidget *> m_entries;
};

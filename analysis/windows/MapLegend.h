#pragma once
#include <QColor>
#include <QList>
#include <QPair>
#include <QString>
#include <QWidget>

class QLabel;
class QVBoxLayout;

// A legend of colour swatches with captions under a title, and an optional
// note below them (how the classes were made). The swatch of entry i is
// "picLegend<i>", its caption "lblLegend<i>"; the note is "lblLegendNote".
class MapLegend : public QWidget {
    Q_OBJECT
public:
    // `title` is untranslated, in the context "MapLegend".
    explicit MapLegend(const char *title, QWidget *parent = nullptr);
    void setEntries(const QList<QPair<QColor, QString>> &entries);
    QStringList captions() const;
    // The note under the entries, wrapped at the note's width (170 pixels
    // unless set); "" hides it.
    void setNote(const QString &note);
    void setNoteWidth(int pixels);
    QString note() const;

private:
    QVBoxLayout *m_rows;
    QLabel *m_note;
    QList<QWidget *> m_entries;
};

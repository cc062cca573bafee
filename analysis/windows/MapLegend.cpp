#include "analysis/windows/MapLegend.h"

#include "controls/TranslatedText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

MapLegend::MapLegend(const char *title, QWidget *parent) : QWidget(parent)
{
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    auto *heading = Translated(new QLabel(this), "MapLegend", title);
    heading->setObjectName(QStringLiteral("lblLegendTitle"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    layout->addWidget(heading);
    m_rows = new QVBoxLayout;
    m_rows->setSpacing(3);
    layout->addLayout(m_rows);
    m_note = new QLabel(this);
    m_note->setObjectName(QStringLiteral("lblLegendNote"));
    m_note->setWordWrap(true);
    m_note->setMaximumWidth(170);
    m_note->hide();
    layout->addWidget(m_note);
    layout->addStretch(1);
}

void MapLegend::setEntries(const QList<QPair<QColor, QString>> &entries)
{
    qDeleteAll(m_entries);
    m_entries.clear();
    for (int i = 0; i < entries.size(); ++i) {
        auto *row = new QWidget(this);
        auto *line = new QHBoxLayout(row);
        line->setContentsMargins(0, 0, 0, 0);
        auto *swatch = new QWidget(row);
        swatch->setObjectName(QStringLiteral("picLegend%1").arg(i));
        swatch->setFixedSize(22, 14);
        swatch->setAutoFillBackground(true);
        QPalette palette = swatch->palette();
        palette.setColor(QPalette::Window, entries[i].first);
        swatch->setPalette(palette);
        auto *caption = new QLabel(entries[i].second, row);
        caption->setObjectName(QStringLiteral("lblLegend%1").arg(i));
        line->addWidget(swatch);
        line->addWidget(caption, 1);
        m_rows->addWidget(row);
        m_entries << row;
    }
}

void MapLegend::setNote(const QString &note)
{
    m_note->setText(note);
    // The window's layout cannot know how many lines the wrapped note takes
    // beside the map: it keeps the height of its lines at its full width.
    m_note->setMinimumHeight(note.isEmpty() ? 0 : m_note->heightForWidth(m_note->maximumWidth()));
    m_note->setVisible(!note.isEmpty());
}

void MapLegend::setNoteWidth(int pixels) { m_note->setMaximumWidth(pixels); }

QString MapLegend::note() const { return m_note->text(); }

QStringList MapLegend::captions() const
{
    QStringList out;
    for (QWidget *row : m_entries)
        out << row->findChild<QLabel *>()->text();
    return out;
}

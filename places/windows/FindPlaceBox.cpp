#include "places/windows/FindPlaceBox.h"

#include "base/Error.h"
#include "places/PlaceSearch.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QEvent>
#include <QShortcut>
#include <QStandardItemModel>

namespace {
// The rows a popup offers at most: a screenful.
constexpr std::size_t ShownRows = 12;
}

namespace {

QString kindCaption(PlaceKind kind)
{
    return kind == PlaceKind::District ? FindPlaceBox::tr("district") : FindPlaceBox::tr("province");
}

} // namespace

QString PlaceRowText(const Place &place)
{
    QString name = place.name;
    if (place.kind != PlaceKind::Place)
        name = FindPlaceBox::tr("%1 (%2)", "place name (kind of place)").arg(name, kindCaption(place.kind));
    QStringList where;
    if (!place.province.isEmpty() && place.kind != PlaceKind::Province)
        where << place.province;
    where << place.country;
    return FindPlaceBox::tr("%1 \u2014 %2", "place \u2014 province, country").arg(name, where.join(QStringLiteral(", ")));
}

FindPlaceBox::FindPlaceBox(QWidget *parent)
    : QLineEdit(parent), m_rows(new QStandardItemModel(this)), m_completer(new QCompleter(m_rows, this))
{
    setObjectName(QStringLiteral("txtFindPlace"));
    setClearButtonEnabled(true);
    setMaxLength(200);
    try {
        m_places = PlaceIndex::application();
    } catch (const Error &e) {
        setEnabled(false);
        m_unavailable = e.message();
    }
    retranslate();
    // The rows are the search's own, in its order: the completer shows them unfiltered.
    m_completer->setCompletionMode(QCompleter::UnfilteredPopupCompletion);
    m_completer->setMaxVisibleItems(int(ShownRows));
    m_completer->setWidget(this);
    m_completer->popup()->setObjectName(QStringLiteral("lstFindPlace"));
    connect(this, &QLineEdit::textEdited, this, &FindPlaceBox::search);
    connect(m_completer, qOverload<const QModelIndex &>(&QCompleter::activated), this,
            [this](const QModelIndex &index) { choose(index.row()); });
    connect(this, &QLineEdit::returnPressed, this, &FindPlaceBox::chooseTyped);
    auto *focus = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_L), parent ? parent->window() : this);
    focus->setContext(Qt::WindowShortcut);
    connect(focus, &QShortcut::activated, this, [this] {
        setFocus(Qt::ShortcutFocusReason);
        selectAll();
    });
}

void FindPlaceBox::retranslate()
{
    if (m_places) {
        setPlaceholderText(tr("Find place (Ctrl+L)"));
        setToolTip(tr("Type a town, district or province in any script; choose one to see what suits it there."));
    } else {
        setPlaceholderText(tr("Places unavailable"));
        setToolTip(tr("Places are unavailable: %1").arg(m_unavailable));
    }
}

void FindPlaceBox::changeEvent(QEvent *event)
{
    if (event->type() == QEvent::LanguageChange)
        retranslate();
    QLineEdit::changeEvent(event);
}

QStringList FindPlaceBox::rows() const
{
    QStringList texts;
    for (int r = 0; r < m_rows->rowCount(); ++r)
        texts << m_rows->item(r)->text();
    return texts;
}

void FindPlaceBox::search(const QString &text)
{
    m_rows->clear();
    if (!m_places)
        return;
    for (const PlaceMatch &m : FindPlaces(*m_places, text, QString(), ShownRows)) {
        auto *row = new QStandardItem(PlaceRowText(m_places->place(m.place)));
        row->setData(m.place, Qt::UserRole);
        row->setEditable(false);
        m_rows->appendRow(row);
    }
    if (m_rows->rowCount() > 0)
        m_completer->complete();
    else
        m_completer->popup()->hide();
}

void FindPlaceBox::choose(int row)
{
    if (!m_places || row < 0 || row >= m_rows->rowCount())
        return;
    const Place place = m_places->place(m_rows->item(row)->data(Qt::UserRole).toUInt());
    m_completer->popup()->hide();
    setText(place.name);
    emit placeChosen(place);
}

void FindPlaceBox::chooseTyped()
{
    if (!m_places || m_completer->popup()->isVisible())
        return;
    const PlaceChoice choice = ChoosePlace(*m_places, text());
    if (choice.place)
        emit placeChosen(m_places->place(*choice.place));
}

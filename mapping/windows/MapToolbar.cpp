#include "mapping/windows/MapToolbar.h"

#include "controls/ToolbarButtons.h"
#include "controls/TranslatedText.h"

#include <QAction>
#include <QActionGroup>
#include <QPainter>
#include <QPainterPath>

namespace {

QPixmap canvas()
{
    QPixmap pm(22, 22);
    pm.fill(Qt::transparent);
    return pm;
}

// A magnifying glass with a plus or a minus.
QIcon magnifier(bool plus)
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(90, 60, 30), 3.5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(14, 14), QPointF(20, 20));
    p.setPen(QPen(QColor(50, 50, 50), 1.6));
    p.setBrush(QColor(215, 235, 250));
    p.drawEllipse(QPointF(9, 9), 7, 7);
    p.setPen(QPen(QColor(30, 30, 30), 2));
    p.drawLine(QPointF(5.5, 9), QPointF(12.5, 9));
    if (plus)
        p.drawLine(QPointF(9, 5.5), QPointF(9, 12.5));
    return QIcon(pm);
}

// Four arrows from the centre: move the map.
QIcon panArrows()
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(40, 80, 140), 2));
    p.drawLine(QPointF(11, 3), QPointF(11, 19));
    p.drawLine(QPointF(3, 11), QPointF(19, 11));
    p.setBrush(QColor(40, 80, 140));
    p.setPen(Qt::NoPen);
    const QPolygonF head{{0, -4}, {-3, 0}, {3, 0}};
    for (int angle : {0, 90, 180, 270}) {
        p.save();
        p.translate(11, 11);
        p.rotate(angle);
        p.translate(0, -8);
        p.drawPolygon(head);
        p.restore();
    }
    return QIcon(pm);
}

// A small tree on a map pin: which species suit this point.
QIcon treeAtPoint()
{
    QPixmap pm = canvas();
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(110, 78, 48));
    p.drawRect(QRectF(10, 11, 2.5, 8));
    p.setBrush(QColor(60, 140, 60));
    p.drawEllipse(QPointF(11, 8), 7, 6);
    p.setBrush(QColor(128, 64, 64));
    p.drawEllipse(QPointF(11, 19.5), 4, 1.8);
    return QIcon(pm);
}

QIcon iconFor(const QString &key, bool comparison)
{
    Q_UNUSED(comparison);
    if (key == QLatin1String("k1")) return magnifier(true);
    if (key == QLatin1String("k2")) return magnifier(false);
    if (key == QLatin1String("k3")) return panArrows();
    if (key == QLatin1String("k4")) return QIcon(QStringLiteral(":/icons/about.png"));
    if (key == QLatin1String("k5")) return treeAtPoint();
    if (key == QLatin1String("k6")) return QIcon(QStringLiteral(":/icons/full-extent.png"));
    if (key == QLatin1String("k7")) return QIcon(QStringLiteral(":/icons/generate.png"));
    return QIcon();
}

} // namespace

QList<MapToolbar::Button> MapWindowButtons()
{
    return {{QStringLiteral("k1"), QT_TRANSLATE_NOOP("MapToolbar", "Zoom In"), true},
            {QStringLiteral("k2"), QT_TRANSLATE_NOOP("MapToolbar", "Zoom Out"), true},
            {QStringLiteral("k3"), QT_TRANSLATE_NOOP("MapToolbar", "Pan"), true},
            {QStringLiteral("k4"), QT_TRANSLATE_NOOP("MapToolbar", "Identify"), true},
            {QStringLiteral("k5"), QT_TRANSLATE_NOOP("MapToolbar", "Suitable Tree Species"), true},
            {QStringLiteral("k6"), QT_TRANSLATE_NOOP("MapToolbar", "Full Extent"), false},
            {QStringLiteral("k7"), QT_TRANSLATE_NOOP("MapToolbar", "Generate Map"), false}};
}

QList<MapToolbar::Button> ComparisonButtons()
{
    return {{QStringLiteral("k1"), QT_TRANSLATE_NOOP("MapToolbar", "Zoom In"), true},
            {QStringLiteral("k2"), QT_TRANSLATE_NOOP("MapToolbar", "Zoom Out"), true},
            {QStringLiteral("k3"), QT_TRANSLATE_NOOP("MapToolbar", "Pan"), true},
            {QStringLiteral("k6"), QT_TRANSLATE_NOOP("MapToolbar", "Full Extent"), false},
            {QStringLiteral("k7"), QT_TRANSLATE_NOOP("MapToolbar", "Generate Map"), false}};
}

QList<MapToolbar::Button> NavigationButtons(const char *pointTool)
{
    QList<MapToolbar::Button> buttons{{QStringLiteral("k1"), QT_TRANSLATE_NOOP("MapToolbar", "Zoom In"), true},
                                      {QStringLiteral("k2"), QT_TRANSLATE_NOOP("MapToolbar", "Zoom Out"), true},
                                      {QStringLiteral("k3"), QT_TRANSLATE_NOOP("MapToolbar", "Pan"), true}};
    if (pointTool)
        buttons.push_back({QStringLiteral("k5"), pointTool, true});
    buttons.push_back({QStringLiteral("k6"), QT_TRANSLATE_NOOP("MapToolbar", "Full Extent"), false});
    return buttons;
}

MapToolbar::MapToolbar(const QList<Button> &buttons, PressedToolClick pressedToolClick, QWidget *parent)
    : QToolBar(parent)
{
    setObjectName(QStringLiteral("tbrMain"));
    setIconSize(QSize(22, 22));
    setMovable(false);
    setFloatable(false);
    // The empty slot at the left end.
    auto *slot = new QWidget(this);
    slot->setFixedWidth(8);
    addWidget(slot);
    auto *tools = new QActionGroup(this);
    tools->setExclusionPolicy(pressedToolClick == PressedToolClick::KeepsIt
                                  ? QActionGroup::ExclusionPolicy::Exclusive
                                  : QActionGroup::ExclusionPolicy::ExclusiveOptional);
    bool separated = false;
    for (const Button &b : buttons) {
        if (!b.tool && !separated) {
            addSeparator();
            separated = true;
        }
        QAction *action = addAction(iconFor(b.key, false), QString());
        SetTranslatedAction(action, "MapToolbar", b.tooltip);
        action->setObjectName(b.key);
        action->setData(b.key);
        if (b.tool) {
            action->setCheckable(true);
            tools->addAction(action);
        }
        connect(action, &QAction::triggered, this, [this, key = b.key] { emit buttonClicked(key); });
    }
}

QAction *MapToolbar::button(const QString &key) const { return ButtonByKey(this, key); }

QString MapToolbar::pressedTool() const
{
    for (QAction *action : actions()) {
        if (action->isCheckable() && action->isChecked())
            return action->data().toString();
    }
    return QString();
}

void MapToolbar::releaseTools()
{
    for (QAction *action : actions()) {
        if (action->isCheckable())
            action->setChecked(false);
    }
}

// The pictures drawn in code (icons, the map's cursors and tools, the splash,
// the splitter grips) against the approved images beside this file: a change
// to any drawing shows here. After a deliberate change,
// SILVARIA_UPDATE_APPROVED=1 build/tests/controls_tests rewrites them.
#include "controls/DragPanel.h"
#include "controls/Icons.h"
#include "mapping/windows/MapControl.h"
#include "mapping/windows/MapToolbar.h"
#include "photos/windows/PhotoPictures.h"
#include "tests/common/Approved.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QBuffer>
#include <QImage>

namespace {

QImage pictureOf(const QIcon &icon, QIcon::Mode mode = QIcon::Normal) { return icon.pixmap(32, mode).toImage(); }

QImage cursorOf(int code)
{
    MapControl map;
    map.setMousePointer(code);
    return map.cursor().pixmap().toImage();
}

QImage gripOf(Qt::Orientation resizes)
{
    DragPanel panel(resizes);
    panel.resize(resizes == Qt::Horizontal ? QSize(8, 60) : QSize(60, 8));
    return panel.grab().toImage();
}

} // namespace

TEST(DrawnPictures, MatchTheApprovedImages)
{
    std::vector<std::pair<QString, QImage>> pictures{
        {"tree-node", pictureOf(TreeNodeIcon())},        {"tree-node-selected", pictureOf(TreeNodeIcon(), QIcon::Selected)},
        {"splash", SplashPicture().toImage()},           {"application", pictureOf(ApplicationIcon())},
        {"comparison", pictureOf(ComparisonIcon())},     {"zoom-in-cursor", cursorOf(PointerZoomIn)},
        {"zoom-out-cursor", cursorOf(PointerZoomOut)},   {"identify-cursor", cursorOf(PointerIdentify)},
        {"grip-across", gripOf(Qt::Horizontal)},         {"grip-down", gripOf(Qt::Vertical)},
        {"photo-unavailable", UnavailablePicture(QSize(200, 150), "No photograph").toImage()},
        {"photo-unavailable-odd-height", UnavailablePicture(QSize(200, 151), "No photograph").toImage()}};
    const QList<QIcon> bar = OutlookBarIcons();
    for (int i = 0; i < bar.size(); ++i)
        pictures.emplace_back(QStringLiteral("outlook-bar-%1").arg(i), pictureOf(bar[i]));
    const MapToolbar toolbar(MapWindowButtons(), MapToolbar::PressedToolClick::KeepsIt);
    for (const QAction *action : toolbar.actions())
        if (!action->icon().isNull())
            pictures.emplace_back("map-tool-" + action->toolTip().toLower().replace(u' ', u'-'), pictureOf(action->icon()));

    for (const auto &[name, picture] : pictures) {
        QByteArray png;
        QBuffer buffer(&png);
        picture.convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
        ExpectApproved(QStringLiteral(SILVARIA_SOURCE_DIR "/tests/controls/approved/%1.png").arg(name), png);
    }
}

#include "app/PlaceholderWindow.h"

#include <QLabel>
#include <QVBoxLayout>

PlaceholderWindow::PlaceholderWindow(const QString &objectName, const QString &caption, QWidget *parent) : QWidget(parent)
{
    setObjectName(objectName);
    setWindowTitle(caption);
    auto *text = new QLabel(QStringLiteral("%1 is not available in this release yet.").arg(caption), this);
    text->setAlignment(Qt::AlignCenter);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(text);
    resize(420, 160);
}

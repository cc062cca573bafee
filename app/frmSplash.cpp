#include "app/frmSplash.h"

#include "app/frmMain.h"
#include "controls/Icons.h"
#include "controls/ShowError.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLabel>
#include <QScreen>
#include <QTimer>

#include <exception>

frmSplash::frmSplash(QWidget *parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), Image1(new QLabel(this)), Timer1(new QTimer(this))
{
    setObjectName(QStringLiteral("frmSplash"));
    setAttribute(Qt::WA_DeleteOnClose);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(SplashPicture());
    Image1->setGeometry(0, 0, 400, 267);
    setFixedSize(400, 267);
    if (const QScreen *screen = QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(3000);
    Timer1->setSingleShot(true);
    Timer1->setTimerType(Qt::PreciseTimer); // a coarse timer may fire up to 5 % early
    connect(Timer1, &QTimer::timeout, this, &frmSplash::Timer1_Timer);
    Timer1->start();
}

void frmSplash::Timer1_Timer()
{
    close();
    StartMainWindow();
}

bool StartMainWindow()
{
    auto *main = new frmMain;
    main->setAttribute(Qt::WA_DeleteOnClose);
    try {
        main->Load();
    } catch (const std::exception &e) {
        delete main;
        ShowFatalError(QStringLiteral("Silvaria"), e);
        QCoreApplication::exit(1);
        return false;
    }
    main->showMaximized();
    return true;
}

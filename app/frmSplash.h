#pragma once
#include <QWidget>

class QLabel;
class QTimer;

// The start-up window: a picture for three seconds, then the main window.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    explicit frmSplash(QWidget *parent = nullptr);

    QLabel *Image1;
    QTimer *Timer1;

private:
    void Timer1_Timer();
};

// Loads and shows the main window; on a start-up failure shows the error text
// and ends the application. Returns whether the main window is running.
bool StartMainWindow();

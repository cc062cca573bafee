#pragma once
#include <QPushButton>

// A push button for the command buttons of dialogs and map windows: a caption,
// an enabled state and a click, and arrow keys that walk the focus: Left and Up
// to the previous control, Right and Down to the next one.
class CommandButton : public QPushButton {
    Q_OBJECT
public:
    explicit CommandButton(const QString &caption, QWidget *parent = nullptr);

protected:
    void keyPressEvent(QKeyEvent *event) override;
};

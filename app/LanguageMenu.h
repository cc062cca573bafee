#pragma once
#include <QMenu>

class QActionGroup;

// View > Language: the interface languages by their own names. A choice takes
// effect at once in every open window and is kept for the next start.
class LanguageMenu : public QMenu {
    Q_OBJECT
public:
    explicit LanguageMenu(QWidget *parent = nullptr);

    // Puts `code` in effect and remembers it, as a click on its item does.
    void choose(const QString &code);

protected:
    void changeEvent(QEvent *event) override;

private:
    void checkCurrent();
    QActionGroup *m_group;
};

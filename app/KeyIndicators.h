#pragma once
#include <QObject>

class QLabel;

// Keeps the CAPS, NUM and INS panels of the status bar current: each shows its
// text enabled while the lock or mode is on. The states follow the key presses
// the application sees, and a typed letter's case corrects the Caps Lock state.
class KeyIndicators : public QObject {
    Q_OBJECT
public:
    KeyIndicators(QLabel *caps, QLabel *num, QLabel *ins, QObject *parent = nullptr);

    bool capsLock() const { return m_caps; }
    bool numLock() const { return m_num; }
    bool insert() const { return m_insert; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void show();

    QLabel *m_capsPanel, *m_numPanel, *m_insPanel;
    bool m_caps = false;
    bool m_num = true; // keyboards start with Num Lock on
    bool m_insert = true;
    const void *m_lastEvent = nullptr;
    quint64 m_lastTimestamp = 0;
};

#pragma once
#include "platform/LockKeyState.h"

#include <QObject>

class QLabel;

// Keeps the CAPS, NUM and INS panels of the status bar current: each shows its
// text enabled while the lock or mode is on. Caps Lock and Num Lock are read
// from the windowing system at start, when the application is activated and
// when a lock key goes down or up; where it cannot tell, they start off and
// follow the lock key presses. INS starts off and toggles with the Insert key.
class KeyIndicators : public QObject {
    Q_OBJECT
public:
    KeyIndicators(QLabel *caps, QLabel *num, QLabel *ins, LockKeyReader reader = SystemLockKeyReader(),
                  QObject *parent = nullptr);

    bool capsLock() const { return m_caps; }
    bool numLock() const { return m_num; }
    bool insert() const { return m_insert; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // Takes the windowing system's states; false when it cannot tell.
    bool readLocks();
    void keyPressed(int key);
    void show();

    QLabel *m_capsPanel, *m_numPanel, *m_insPanel;
    LockKeyReader m_reader;
    bool m_caps = false;
    bool m_num = false;
    bool m_insert = false;
    struct KeyEventId {
        const void *event = nullptr;
        int type = 0;
        int key = 0;
        quint64 timestamp = 0;
        bool operator==(const KeyEventId &) const = default;
    };
    KeyEventId m_lastEvent;
};

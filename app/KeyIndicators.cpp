#include "app/KeyIndicators.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>

KeyIndicators::KeyIndicators(QLabel *caps, QLabel *num, QLabel *ins, LockKeyReader reader, QObject *parent)
    : QObject(parent), m_capsPanel(caps), m_numPanel(num), m_insPanel(ins), m_reader(std::move(reader))
{
    QCoreApplication::instance()->installEventFilter(this);
    readLocks();
    show();
}

bool KeyIndicators::readLocks()
{
    const std::optional<LockKeyStates> states = m_reader ? m_reader() : std::nullopt;
    if (!states)
        return false;
    m_caps = states->capsLock;
    m_num = states->numLock;
    return true;
}

bool KeyIndicators::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::ApplicationActivate:
    case QEvent::WindowActivate:
        if (readLocks())
            show();
        break;
    case QEvent::KeyPress:
    case QEvent::KeyRelease: {
        const auto *key = static_cast<QKeyEvent *>(event);
        // One key event passes several receivers (window, focus widget, parents):
        // count each once.
        const KeyEventId id{key, key->type(), key->key(), key->timestamp()};
        const bool seen = id == m_lastEvent;
        m_lastEvent = id;
        if (!seen && !key->isAutoRepeat()) {
            const bool lockKey = key->key() == Qt::Key_CapsLock || key->key() == Qt::Key_NumLock;
            if (lockKey && readLocks())
                show();
            else if (event->type() == QEvent::KeyPress)
                keyPressed(key->key());
        }
        break;
    }
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void KeyIndicators::keyPressed(int key)
{
    // Without the windowing system's word the lock keys toggle what we last knew.
    switch (key) {
    case Qt::Key_CapsLock: m_caps = !m_caps; break;
    case Qt::Key_NumLock: m_num = !m_num; break;
    case Qt::Key_Insert: m_insert = !m_insert; break;
    default: return;
    }
    show();
}

void KeyIndicators::show()
{
    m_capsPanel->setEnabled(m_caps);
    m_numPanel->setEnabled(m_num);
    m_insPanel->setEnabled(m_insert);
}

#include "app/KeyIndicators.h"

#include <QCoreApplication>
#include <QKeyEvent>
#include <QLabel>

KeyIndicators::KeyIndicators(QLabel *caps, QLabel *num, QLabel *ins, QObject *parent)
    : QObject(parent), m_capsPanel(caps), m_numPanel(num), m_insPanel(ins)
{
    QCoreApplication::instance()->installEventFilter(this);
    show();
}

bool KeyIndicators::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched);
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        // One key event passes several receivers (window, focus widget, parents):
        // count each press once.
        const bool seen = key == m_lastEvent && key->timestamp() == m_lastTimestamp;
        m_lastEvent = key;
        m_lastTimestamp = key->timestamp();
        if (!seen && !key->isAutoRepeat()) {
            switch (key->key()) {
            case Qt::Key_CapsLock: m_caps = !m_caps; break;
            case Qt::Key_NumLock: m_num = !m_num; break;
            case Qt::Key_Insert: m_insert = !m_insert; break;
            default: {
                const QString text = key->text();
                if (text.size() == 1 && text[0].isLetter() && text[0].toUpper() != text[0].toLower()) {
                    const bool shifted = key->modifiers() & Qt::ShiftModifier;
                    m_caps = text[0].isUpper() != shifted;
                }
            }
            }
            show();
        }
    }
    return QObject::eventFilter(watched, event);
}

void KeyIndicators::show()
{
    m_capsPanel->setEnabled(m_caps);
    m_numPanel->setEnabled(m_num);
    m_insPanel->setEnabled(m_insert);
}

#include "keys/RecordingKeySink.h"

#include "keys/UsKeyboardLayout.h"

#include <QStringList>

#include <algorithm>

QString RecordingKeySink::KeyName(int vKey)
{
    if (vKey >= 112 && vKey <= 135)
        return QStringLiteral("F%1").arg(vKey - 111);
    switch (vKey) {
    case 8: return QStringLiteral("Backspace");
    case 9: return QStringLiteral("Tab");
    case 13: return QStringLiteral("Enter");
    case 16: return QStringLiteral("Shift");
    case 17: return QStringLiteral("Ctrl");
    case 18: return QStringLiteral("Alt");
    case 19: return QStringLiteral("Break");
    case 20: return QStringLiteral("CapsLock");
    case 27: return QStringLiteral("Esc");
    case 32: return QStringLiteral("Space");
    case 33: return QStringLiteral("PgUp");
    case 34: return QStringLiteral("PgDn");
    case 35: return QStringLiteral("End");
    case 36: return QStringLiteral("Home");
    case 37: return QStringLiteral("Left");
    case 38: return QStringLiteral("Up");
    case 39: return QStringLiteral("Right");
    case 40: return QStringLiteral("Down");
    case 42: return QStringLiteral("Print");
    case 45: return QStringLiteral("Ins");
    case 46: return QStringLiteral("Del");
    case 47: return QStringLiteral("Help");
    case 144: return QStringLiteral("NumLock");
    case 145: return QStringLiteral("ScrollLock");
    default: break;
    }
    const QChar typed = UsKeyboardLayout::CharacterOf(vKey, false);
    if (!typed.isNull())
        return QString(typed.toUpper());
    return QStringLiteral("vk%1").arg(vKey);
}

QString RecordingKeySink::trace() const
{
    QStringList parts;
    for (const Event &event : m_events)
        parts << (event.down ? QStringLiteral("+") : QStringLiteral("-")) + KeyName(event.vKey);
    return parts.join(u' ');
}

std::vector<int> RecordingKeySink::keysHeld() const
{
    std::vector<int> held;
    for (const Event &event : m_events) {
        const auto found = std::find(held.begin(), held.end(), event.vKey);
        if (event.down && found == held.end())
            held.push_back(event.vKey);
        else if (!event.down && found != held.end())
            held.erase(found);
    }
    return held;
}

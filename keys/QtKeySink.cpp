#include "keys/QtKeySink.h"

#include "keys/UsKeyboardLayout.h"

#include <QGuiApplication>
#include <QKeyEvent>
#include <QWindow>

namespace {

Qt::KeyboardModifier ModifierOf(int vKey)
{
    switch (vKey) {
    case 16: case 160: case 161: return Qt::ShiftModifier;
    case 17: case 162: case 163: return Qt::ControlModifier;
    case 18: case 164: case 165: return Qt::AltModifier;
    default: return Qt::NoModifier;
    }
}

// Keys that type no printable character.
int QtKeyOfSpecial(int vKey)
{
    if (vKey >= 112 && vKey <= 135)
        return Qt::Key_F1 + (vKey - 112);
    switch (vKey) {
    case 8: return Qt::Key_Backspace;
    case 9: return Qt::Key_Tab;
    case 13: return Qt::Key_Return;
    case 16: case 160: case 161: return Qt::Key_Shift;
    case 17: case 162: case 163: return Qt::Key_Control;
    case 18: case 164: case 165: return Qt::Key_Alt;
    case 19: return Qt::Key_Pause;
    case 20: return Qt::Key_CapsLock;
    case 27: return Qt::Key_Escape;
    case 33: return Qt::Key_PageUp;
    case 34: return Qt::Key_PageDown;
    case 35: return Qt::Key_End;
    case 36: return Qt::Key_Home;
    case 37: return Qt::Key_Left;
    case 38: return Qt::Key_Up;
    case 39: return Qt::Key_Right;
    case 40: return Qt::Key_Down;
    case 42: return Qt::Key_Printer;
    case 44: return Qt::Key_Print;
    case 45: return Qt::Key_Insert;
    case 46: return Qt::Key_Delete;
    case 47: return Qt::Key_Help;
    case 144: return Qt::Key_NumLock;
    case 145: return Qt::Key_ScrollLock;
    default: return Qt::Key_unknown;
    }
}

// Text that a few non-printing keys carry in Qt's key events.
QString TextOfSpecial(int vKey)
{
    switch (vKey) {
    case 8: return QStringLiteral("\b");
    case 9: return QStringLiteral("\t");
    case 13: return QStringLiteral("\r");
    case 27: return QStringLiteral("\x1b");
    default: return QString();
    }
}

} // namespace

// A modifier key's own event carries the modifiers as they were before it, as
// the platforms send them; QKeyEvent::modifiers() then reports Control held on
// the Control press and released on its release.
void QtKeySink::keyDown(int vKey)
{
    deliver(true, vKey);
    m_modifiers |= ModifierOf(vKey);
}

void QtKeySink::keyUp(int vKey)
{
    deliver(false, vKey);
    m_modifiers &= ~Qt::KeyboardModifiers(ModifierOf(vKey));
}

void QtKeySink::deliver(bool press, int vKey)
{
    QObject *target = QGuiApplication::focusObject();
    if (!target)
        target = QGuiApplication::focusWindow();
    if (!target)
        return;

    int key = QtKeyOfSpecial(vKey);
    QString text;
    const QChar typed = UsKeyboardLayout::CharacterOf(vKey, m_modifiers.testFlag(Qt::ShiftModifier));
    if (!typed.isNull()) {
        key = typed.toUpper().unicode();   // Qt names printable keys by their upper-case character
        text = typed;
    } else {
        text = TextOfSpecial(vKey);
    }
    // With Control or Alt held a key is a command, not typed text.
    if (m_modifiers & (Qt::ControlModifier | Qt::AltModifier))
        text.clear();

    QKeyEvent event(press ? QEvent::KeyPress : QEvent::KeyRelease, key, m_modifiers,
                    0, static_cast<quint32>(vKey), 0, text);
    QCoreApplication::sendEvent(target, &event);
}

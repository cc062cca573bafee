#pragma once
#include <QString>

#include <memory>
#include <vector>

class KeySink;

// Turns a keystroke script into key presses and releases, as if the user had
// typed them. The script language:
//   "+", "~", "%"    tap Shift, Control, Alt; the next key is sent without it
//   "+(" ... ")"     hold Shift (or Control, Alt) while the group is typed;
//                    groups nest
//   "{NAME}"         a named key (ENTER, TAB, F6, PGUP ...) or, for a name
//                    that is not in the table, the key of its first character;
//                    "{}}" sends the "}" key, "{~}" Enter
//   "{NAME n}"       the key n times
//   anything else    the key that types that character on a US layout,
//                    without Shift ("A" and "a" send the same key)
// Note that "~" is Control here, not Enter, and "^" has no special meaning:
// "~({F6})" is Control+F6.
//
// Every failure is thrown as SendKeysError; keys sent before it stay sent,
// and no modifier is left pressed.
class clsSendKeys {
public:
    // Sends through the platform: Qt key events to the focused window.
    clsSendKeys();
    // Sends through `sink`, which must outlive the sender.
    explicit clsSendKeys(KeySink &sink);
    ~clsSendKeys();
    clsSendKeys(const clsSendKeys &) = delete;
    clsSendKeys &operator=(const clsSendKeys &) = delete;

    // Parses and sends the script. `Wait` is accepted for callers' sake and
    // has no effect.
    void SendKeys(const QString &sKeys, bool Wait = false);
    // Presses and releases the named key (or the key of the first character)
    // `lCount` times; a count below 1 sends nothing. Throws error 9 when the
    // key cannot be mapped.
    void KeyPress(const QString &sKey, int lCount);
    void KeyDown(int vKey);
    void KeyUp(int vKey);
    // The virtual-key code of the first character of `sChar` on a US layout,
    // Shift dropped; 0 when it has none.
    int KeyCode(const QString &sChar) const;

private:
    // Sends the script, keeping the modifiers of the open groups in `groups`
    // so that the caller can release them when sending stops.
    void ParseScript(const QString &sKeys, std::vector<int> &groups);
    static QString ErrorSource();

    std::unique_ptr<KeySink> m_ownSink;
    KeySink &m_sink;
};

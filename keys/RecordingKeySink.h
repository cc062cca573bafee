#pragma once
#include "keys/KeySink.h"

#include <QString>

#include <vector>

// A key sink that only records what it is sent, for tests.
class RecordingKeySink : public KeySink {
public:
    struct Event {
        bool down;
        int vKey;
        bool operator==(const Event &) const = default;
    };

    void keyDown(int vKey) override { m_events.push_back({true, vKey}); }
    void keyUp(int vKey) override { m_events.push_back({false, vKey}); }

    const std::vector<Event> &events() const { return m_events; }
    void clear() { m_events.clear(); }

    // The events as readable text, a press written "+Name" and a release
    // "-Name": "~({F6})" records "+Ctrl +F6 -F6 -Ctrl".
    QString trace() const;

    // Keys pressed and not released yet, in the order they were pressed.
    std::vector<int> keysHeld() const;

    // A short readable name of a virtual-key code ("Ctrl", "Enter", "F6", "A",
    // "vk255" for codes without one).
    static QString KeyName(int vKey);

private:
    std::vector<Event> m_events;
};

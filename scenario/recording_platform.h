#pragma once
// A platform that records every call instead of acting: for tests.
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

#include "platform.h"

namespace gravitaria {

class RecordingPlatform : public Platform {
public:
    struct Box {
        QString text;
        QString caption;
        MessageIcon icon;
    };
    struct Open {
        QString url;
        QString verb;
    };

    int beeps = 0;
    std::vector<Box> boxes;        // messageBox and showMessage (icon None)
    std::vector<Open> opened;
    std::vector<int> sleeps;
    // Runs while a box would be up, as the user's actions there (the box
    // takes the activation, the mouse release, the OK click).
    std::function<void()> whileBoxShown;
    // Called after each sleep is recorded, with its length: lets a test act
    // at a chosen moment of a run.
    std::function<void(int)> onSleep;

    void beep() override { ++beeps; }
    void showMessage(const QString& text, const QString& caption) override {
        boxes.push_back({text, caption, MessageIcon::None});
        if (whileBoxShown) whileBoxShown();
    }
    void messageBox(const QString& text, const QString& caption, MessageIcon icon) override {
        boxes.push_back({text, caption, icon});
        if (whileBoxShown) whileBoxShown();
    }
    bool openUrl(const QString& url, const QString& verb) override {
        opened.push_back({url, verb});
        return true;
    }
    void sleepMs(int ms) override {
        sleeps.push_back(ms);
        if (onSleep) onSleep(ms);
    }
};

// Installs a recorder for the lifetime of the object.
class ScopedRecordingPlatform : public RecordingPlatform {
public:
    ScopedRecordingPlatform() { setPlatform(this); }
    ~ScopedRecordingPlatform() override { setPlatform(nullptr); }
    ScopedRecordingPlatform(const ScopedRecordingPlatform&) = delete;
    ScopedRecordingPlatform& operator=(const ScopedRecordingPlatform&) = delete;
};

}  // namespace gravitaria

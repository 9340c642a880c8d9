#pragma once
// The platform services the windows and fields use: warning beep, message
// boxes, opening an address with the desktop's default handler, sleeping.
// The program installs the real services (the default); tests install a
// recorder so that nothing blocks on a modal box and every call is observable.
// The real services are Qt's, which are the native calls on each system:
// beep (X11 bell / MessageBeep), shell open (xdg-open / ShellExecute),
// sleep (nanosleep / Sleep). Nothing here is particular to Linux.
#include <QString>

namespace gravitaria {

enum class MessageIcon { None, Information, Warning, Stop, Question };

class Platform {
public:
    virtual ~Platform() = default;
    // The system's default warning beep.
    virtual void beep() = 0;
    // A plain message window with an OK button; `caption` is the title.
    virtual void showMessage(const QString& text, const QString& caption) = 0;
    // A message box with caption, icon and a single OK button.
    virtual void messageBox(const QString& text, const QString& caption, MessageIcon icon) = 0;
    // Hands an address to the desktop's default handler. `verb` is "open"
    // or empty. Returns whether the desktop accepted it; callers may ignore it.
    virtual bool openUrl(const QString& url, const QString& verb) = 0;
    // Blocks the calling thread; 0 only yields the processor.
    virtual void sleepMs(int ms) = 0;
};

// The services in force. Never null.
Platform& platform();

// Installs `p` (not owned); nullptr puts the real services back.
void setPlatform(Platform* p);

// The real services, on Qt.
class QtPlatform : public Platform {
public:
    void beep() override;
    void showMessage(const QString& text, const QString& caption) override;
    void messageBox(const QString& text, const QString& caption, MessageIcon icon) override;
    bool openUrl(const QString& url, const QString& verb) override;
    void sleepMs(int ms) override;
};

}  // namespace gravitaria

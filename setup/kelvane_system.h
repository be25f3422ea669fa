// What the setup tool needs from the system besides the registry: who is
// logged on, the time as the locale writes it, file search and writing, and
// message boxes (or a note that none can be shown).
#pragma once

#include <string>

class KelvaneSystem {
public:
    virtual ~KelvaneSystem() = default;
    virtual std::string LogonUserName() = 0;
    // The local date and time: short date, a blank, long time, in the
    // user's regional form.
    virtual std::string NowText() = 0;
    // A search for the path finds an ordinary file: no folder, no hidden or
    // system file. The path holds no wildcards when this is asked.
    virtual bool FindsOrdinaryFile(const std::string& path) = 0;
    // Creates or truncates the file and writes the text and CR LF. On
    // failure answers false with the system's description of the error.
    virtual bool WriteLineFile(const std::string& path, const std::string& text, std::string* errorText) = 0;
    // False when no one can see or answer a message box (a deployment
    // script, a service account, or the unattended override).
    virtual bool CanShowMessages() = 0;
    virtual void ShowInformation(const std::string& title, const std::string& text) = 0;
    virtual void ShowCritical(const std::string& title, const std::string& text) = 0;
};

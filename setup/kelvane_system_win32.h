// The setup tool's system seam on Windows.
#pragma once

#include "setup/kelvane_system.h"

class Win32KelvaneSystem : public KelvaneSystem {
public:
    std::string LogonUserName() override;
    std::string NowText() override;
    bool FindsOrdinaryFile(const std::string& path) override;
    bool WriteLineFile(const std::string& path, const std::string& text, std::string* errorText) override;
    bool CanShowMessages() override;
    void ShowInformation(const std::string& title, const std::string& text) override;
    void ShowCritical(const std::string& title, const std::string& text) override;
};

// True when the environment asks for an unattended run (TSR_UNATTENDED=1).
bool UnattendedRequested();

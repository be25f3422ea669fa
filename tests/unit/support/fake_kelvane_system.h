// The setup tool's system for tests: a fixed user and time, a set of files a
// search finds, folders a write fails on, and a record of what was written
// and shown.
#pragma once

#include <map>
#include <set>
#include <string>
#include <vector>

#include "setup/kelvane_system.h"

class FakeKelvaneSystem : public KelvaneSystem {
public:
    struct Message {
        bool Critical;
        std::string Title;
        std::string Text;
    };

    std::string LogonUserName() override {
        ++UserNameCalls;
        return User;
    }
    std::string NowText() override { return Now; }
    bool FindsOrdinaryFile(const std::string& path) override {
        Searches.push_back(path);
        return Files.count(path) != 0;
    }
    bool WriteLineFile(const std::string& path, const std::string& text, std::string* errorText) override {
        Attempts.push_back(path);
        if (Folders.count(path)) {
            *errorText = "Access is denied";
            return false;
        }
        const std::string::size_type slash = path.find_last_of('\\');
        if (slash != std::string::npos && MissingFolders.count(path.substr(0, slash + 1))) {
            *errorText = "The system cannot find the path specified";
            return false;
        }
        Written[path] = text + "\r\n";
        return true;
    }
    bool CanShowMessages() override { return Interactive; }
    void ShowInformation(const std::string& title, const std::string& text) override {
        Shown.push_back({false, title, text});
    }
    void ShowCritical(const std::string& title, const std::string& text) override {
        Shown.push_back({true, title, text});
    }

    std::string User = "alice";
    std::string Now = "12/7/2026 9:05:00 AM";
    bool Interactive = true;
    std::set<std::string> Files;           // ordinary files a search finds
    std::set<std::string> Folders;         // paths that name a folder
    std::set<std::string> MissingFolders;  // folder paths ending in "\"
    std::map<std::string, std::string> Written;
    std::vector<std::string> Attempts;
    std::vector<std::string> Searches;
    std::vector<Message> Shown;
    int UserNameCalls = 0;
};

// A fresh folder for one test, removed with everything in it afterwards.
#pragma once

#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& Path() const { return path_; }
    // The path of a file in the folder (the file is not created).
    std::string File(const std::string& name) const;
    void Write(const std::string& name, const std::string& bytes) const;
    std::string Read(const std::string& name) const;
    // The names of the files in the folder, sorted.
    std::vector<std::string> FileNames() const;
    // Creates a subfolder (and any above it); answers its path.
    std::string MakeFolder(const std::string& relative) const;
    // Sets or clears the read-only mark of a file (write permission on POSIX).
    void SetReadOnly(const std::string& name, bool readOnly) const;

private:
    std::string path_;
};

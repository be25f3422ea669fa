#include "support/temp_folder.h"

#include <atomic>
#include <filesystem>
#include <string>

#include "shared/file_routines.h"

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    const fs::path base = fs::temp_directory_path() / "tsr-tests";
    for (;;) {
        const fs::path candidate =
            base / (std::to_string(static_cast<long>(fs::file_time_type::clock::now()
                                                          .time_since_epoch()
                                                          .count() % 1000000007)) +
                    "-" + std::to_string(counter++));
        std::error_code error;
        fs::create_directories(base, error);
        if (fs::create_directory(candidate, error)) {
            path_ = candidate.string();
            return;
        }
    }
}

TempFolder::~TempFolder() {
    std::error_code error;
    fs::remove_all(path_, error);
}

std::string TempFolder::MakeFolder(const std::string& relative) const {
    const std::string path = JoinPath(path_, relative);
    std::error_code error;
    fs::create_directories(path, error);
    return path;
}

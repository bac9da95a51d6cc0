#include "tests/native/temp_folder.h"

#include <fstream>
#include <random>

namespace fs = std::filesystem;

TempFolder::TempFolder() {
    std::random_device random;
    for (;;) {
        path_ = fs::temp_directory_path() / ("installer-test-" + std::to_string(random()));
        if (fs::create_directory(path_))
            break;
    }
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    fs::remove_all(path_, ignored);
}

std::string TempFolder::folderText() const {
    std::string text = path_.string();
#ifdef _WIN32
    text += '\\';
#else
    text += '/';
#endif
    return text;
}

void TempFolder::write(const std::string& name, const std::string& bytes) const {
    std::ofstream file(path_ / name, std::ios::binary);
    file << bytes;
}

// Real files for the copy tests: writing trees, reading them back, and snapshots of a whole tree
// (content hash and attributes of every object) to prove that nothing changed.
#pragma once

#include "tests/wine/modal_driver.h"

#include <windows.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace filetree {

namespace fs = std::filesystem;

inline std::string Text(const fs::path& path) {
    return path.string();
}

inline DWORD Attributes(const fs::path& path) {
    return GetFileAttributesA(Text(path).c_str());
}

inline void SetAttributes(const fs::path& path, DWORD attributes) {
    SetFileAttributesA(Text(path).c_str(), attributes);
}

// Writes a file, creating its folders; attributes other than 0 are set afterwards.
inline void Put(const fs::path& path, const std::string& bytes, DWORD attributes = 0) {
    fs::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary) << bytes;
    if (attributes)
        SetAttributes(path, attributes);
}

inline std::string Read(const fs::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

inline bool Exists(const fs::path& path) {
    return Attributes(path) != INVALID_FILE_ATTRIBUTES;
}

inline unsigned long long Hash(const std::string& bytes) {
    unsigned long long hash = 1469598103934665603ull; // FNV-1a
    for (unsigned char c : bytes)
        hash = (hash ^ c) * 1099511628211ull;
    return hash;
}

struct Entry {
    DWORD attributes;
    unsigned long long size;
    unsigned long long hash;
    bool operator==(const Entry& o) const {
        return attributes == o.attributes && size == o.size && hash == o.hash;
    }
};

// Every file and folder under root by relative path, with its attributes and content hash.
inline std::map<std::string, Entry> Snapshot(const fs::path& root) {
    std::map<std::string, Entry> entries;
    for (const auto& item : fs::recursive_directory_iterator(root)) {
        std::string bytes = item.is_directory() ? "" : Read(item.path());
        entries[fs::relative(item.path(), root).string()] = {Attributes(item.path()), bytes.size(),
                                                             Hash(bytes)};
    }
    return entries;
}

// The entries of a snapshot whose relative path starts with prefix.
inline std::map<std::string, Entry> Under(const std::map<std::string, Entry>& all,
                                          const std::string& prefix) {
    std::map<std::string, Entry> part;
    for (const auto& [path, entry] : all)
        if (path.rfind(prefix, 0) == 0)
            part[path] = entry;
    return part;
}

// Read-only files would stay behind when a temporary folder is removed.
inline void MakeAllWritable(const fs::path& root) {
    std::error_code error;
    for (fs::recursive_directory_iterator item(root, error), end; !error && item != end;
         item.increment(error)) {
        DWORD attributes = Attributes(item->path());
        if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
            SetAttributes(item->path(), attributes & ~FILE_ATTRIBUTE_READONLY);
    }
    DWORD attributes = Attributes(root);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY))
        SetAttributes(root, attributes & ~FILE_ATTRIBUTE_READONLY);
}

// Answers confirmation dialogs by what they name: the prompt text decides the button (No when the
// prompt is not in the table). Records every prompt and description shown.
class Answers {
  public:
    explicit Answers(std::map<std::string, int> buttonByPrompt = {}, int scripts = 40)
        : buttons_(std::move(buttonByPrompt)) {
        for (int i = 0; i < scripts; ++i)
            driver_.then([this](HWND dialog) {
                std::string prompt = ItemText(dialog, 100);
                prompts_.push_back(prompt);
                descriptions_.push_back(ItemText(dialog, 105));
                auto found = buttons_.find(prompt);
                Click(dialog, found == buttons_.end() ? 103 : found->second);
            });
    }
    const std::vector<std::string>& prompts() const { return prompts_; }
    const std::vector<std::string>& descriptions() const { return descriptions_; }
    std::multiset<std::string> promptSet() const { return {prompts_.begin(), prompts_.end()}; }

  private:
    std::map<std::string, int> buttons_;
    std::vector<std::string> prompts_;
    std::vector<std::string> descriptions_;
    ModalDriver driver_;
};

inline std::string FilePrompt(const std::string& name) {
    return "WARNING: File " + name + " already exists.  Overwrite?";
}
inline std::string ProjectPrompt(const std::string& name) {
    return "WARNING: Project " + name + " already exists.  Overwrite?";
}

} // namespace filetree

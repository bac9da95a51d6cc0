// A temporary folder for tests that need real files; removed with everything in it.
#pragma once

#include <filesystem>
#include <string>

class TempFolder {
  public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    // The folder as the program addresses media: ending with the platform's separator.
    std::string folderText() const;
    void write(const std::string& name, const std::string& bytes) const;

  private:
    std::filesystem::path path_;
};

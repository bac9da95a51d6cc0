// Drives of a test's own under Wine: a fresh Unix folder mounted as a drive letter of a chosen type
// through Wine's mount manager (as winecfg does), with a volume label, files with set times and
// attributes, folders too long for a path buffer, and Unix links back to a parent. Everything,
// drive letter included, is removed again when the drive goes out of scope.
#pragma once

#include <windows.h>
#include <winioctl.h>

#include <string>
#include <vector>

namespace test_drives {

// Wine's mount manager extensions.
const DWORD kDefineUnixDrive =
    CTL_CODE(0x6D, 32, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);
const DWORD kDefineShellFolder =
    CTL_CODE(0x6D, 34, METHOD_BUFFERED, FILE_READ_ACCESS | FILE_WRITE_ACCESS);

struct UnixDrive {
    ULONG size;
    ULONG type; // DRIVE_*; DRIVE_NO_ROOT_DIR removes the drive
    ULONG fsType;
    DWORD serial;
    ULONGLONG unixDevice;
    WCHAR letter;
    USHORT mountPointOffset;
    USHORT deviceOffset;
    USHORT labelOffset;
};

struct ShellFolder {
    BOOL createBackup;
    ULONG folderOffset;
    ULONG folderSize;
    ULONG symlinkOffset; // 0 turns a link back into a plain folder
};

inline bool MountManager(DWORD code, const std::vector<char>& input) {
    HANDLE manager =
        CreateFileW(L"\\\\.\\MountPointManager", GENERIC_READ | GENERIC_WRITE,
                    FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    if (manager == INVALID_HANDLE_VALUE)
        return false;
    DWORD returned = 0;
    BOOL done = DeviceIoControl(manager, code, (void*)input.data(), (DWORD)input.size(), nullptr, 0,
                                &returned, nullptr);
    CloseHandle(manager);
    return done != FALSE;
}

inline bool DefineDrive(char letter, UINT type, const std::string& unixFolder) {
    std::vector<char> input(sizeof(UnixDrive));
    if (type != DRIVE_NO_ROOT_DIR)
        input.insert(input.end(), unixFolder.c_str(), unixFolder.c_str() + unixFolder.size() + 1);
    UnixDrive* drive = reinterpret_cast<UnixDrive*>(input.data());
    drive->size = (ULONG)input.size();
    drive->type = type;
    drive->letter = (WCHAR)(letter | 0x20);
    drive->mountPointOffset = type != DRIVE_NO_ROOT_DIR ? sizeof(UnixDrive) : 0;
    return MountManager(kDefineUnixDrive, input);
}

// Makes `folder` (a Windows path) a Unix link to `unixTarget`, or a plain folder again for "".
inline bool SetUnixLink(const std::string& folder, const std::string& unixTarget) {
    std::wstring nt = L"\\??\\" + std::wstring(folder.begin(), folder.end());
    std::vector<char> input(sizeof(ShellFolder));
    const char* name = reinterpret_cast<const char*>(nt.c_str());
    input.insert(input.end(), name, name + nt.size() * sizeof(wchar_t));
    if (!unixTarget.empty())
        input.insert(input.end(), unixTarget.c_str(), unixTarget.c_str() + unixTarget.size() + 1);
    ShellFolder* request = reinterpret_cast<ShellFolder*>(input.data());
    request->folderOffset = sizeof(ShellFolder);
    request->folderSize = (ULONG)(nt.size() * sizeof(wchar_t));
    request->symlinkOffset =
        unixTarget.empty() ? 0 : (ULONG)(sizeof(ShellFolder) + nt.size() * sizeof(wchar_t));
    return MountManager(kDefineShellFolder, input);
}

inline std::wstring Wide(const std::string& text) {
    return std::wstring(text.begin(), text.end());
}

// Removes a tree through long-path names; links are turned back into folders first, so that
// nothing outside the tree is followed.
inline void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW entry;
    HANDLE listing = FindFirstFileW((folder + L"\\*").c_str(), &entry);
    if (listing != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = entry.cFileName;
            if (name == L"." || name == L"..")
                continue;
            std::wstring path = folder + L"\\" + name;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                RemoveTree(path);
            else
                DeleteFileW(path.c_str());
        } while (FindNextFileW(listing, &entry));
        FindClose(listing);
    }
    RemoveDirectoryW(folder.c_str());
}

} // namespace test_drives

class TestDrive {
  public:
    // type: DRIVE_FIXED, DRIVE_CDROM, DRIVE_REMOTE, DRIVE_RAMDISK, DRIVE_REMOVABLE (a floppy on A:
    // and B:). The label, when given, is the first line of the root's .windows-label.
    TestDrive(char letter, UINT type, const std::string& label = "") : letter_(letter) {
        static int counter = 0;
        char name[64];
        snprintf(name, sizeof name, "/tmp/installer-drive-%lu-%c-%d", GetCurrentProcessId(), letter,
                 ++counter);
        unix_ = name;
        CreateDirectoryW(UnixPath("").c_str(), nullptr);
        if (!label.empty()) {
            HANDLE file = CreateFileW(UnixPath("/.windows-label").c_str(), GENERIC_WRITE, 0,
                                      nullptr, CREATE_ALWAYS, 0, nullptr);
            DWORD written;
            std::string line = label + "\n";
            WriteFile(file, line.data(), (DWORD)line.size(), &written, nullptr);
            CloseHandle(file);
        }
        defined_ = test_drives::DefineDrive(letter, type, unix_);
    }
    ~TestDrive() {
        for (const std::string& link : links_)
            test_drives::SetUnixLink(link, "");
        test_drives::DefineDrive(letter_, DRIVE_NO_ROOT_DIR, "");
        test_drives::RemoveTree(UnixPath(""));
    }
    TestDrive(const TestDrive&) = delete;
    TestDrive& operator=(const TestDrive&) = delete;

    bool defined() const { return defined_; }
    // "M:\" followed by a relative Windows path.
    std::string path(const std::string& relative = "") const {
        return std::string(1, letter_) + ":\\" + relative;
    }
    // Creates a folder and its parents (relative, backslashes); lengths beyond MAX_PATH work.
    void makeFolder(const std::string& relative, DWORD attributes = 0) const {
        std::string unixRelative;
        size_t start = 0;
        for (;;) {
            size_t end = relative.find('\\', start);
            unixRelative += "/" + relative.substr(start, end - start);
            CreateDirectoryW(UnixPath(unixRelative).c_str(), nullptr);
            if (end == std::string::npos)
                break;
            start = end + 1;
        }
        if (attributes)
            SetFileAttributesW(UnixPath(unixRelative).c_str(), attributes);
    }
    // Writes a file with a last-write time (100 ns units) and attributes; parents are created.
    void writeFile(const std::string& relative, ULONGLONG time, DWORD attributes = 0) const {
        size_t slash = relative.rfind('\\');
        if (slash != std::string::npos)
            makeFolder(relative.substr(0, slash));
        std::wstring target = UnixPath(Slashes("/" + relative));
        HANDLE file =
            CreateFileW(target.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        FILETIME written = {(DWORD)time, (DWORD)(time >> 32)};
        SetFileTime(file, nullptr, nullptr, &written);
        CloseHandle(file);
        if (attributes)
            SetFileAttributesW(target.c_str(), attributes);
    }
    // Makes the folder `relative` a Unix link to the drive folder `target` (relative, "" = root).
    bool linkTo(const std::string& relative, const std::string& target) {
        links_.push_back(path(relative));
        return test_drives::SetUnixLink(path(relative), unix_ + Slashes("/" + target));
    }

  private:
    static std::string Slashes(std::string text) {
        for (char& c : text)
            if (c == '\\')
                c = '/';
        return text;
    }
    std::wstring UnixPath(const std::string& unixRelative) const {
        std::string windows = "\\\\?\\unix" + unix_ + unixRelative;
        for (char& c : windows)
            if (c == '/')
                c = '\\';
        return test_drives::Wide(windows);
    }

    char letter_;
    std::string unix_;
    bool defined_ = false;
    std::vector<std::string> links_;
};

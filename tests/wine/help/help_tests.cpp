// The help control lookup, which happens once per run: each suite runs in a process of its own
// (ctest starts one per suite), beside the planted hhctrl.ocx in this program's folder.
#include "app/catalog.h"
#include "app/text_util.h"
#include "presentation/page_frame.h"
#include "tests/native/temp_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

std::string ProgramFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, sizeof path);
    *(strrchr(path, '\\') + 1) = '\0';
    return path;
}

std::string SystemHelpControl() {
    char folder[MAX_PATH];
    GetSystemDirectoryA(folder, sizeof folder);
    return std::string(folder) + "\\hhctrl.ocx";
}

std::string PlantedMarker() {
    return ProgramFolder() + "planted-loaded.txt";
}

bool Exists(const std::string& path) {
    return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::string ModulePath(HMODULE module) {
    char path[MAX_PATH] = "";
    GetModuleFileNameA(module, path, sizeof path);
    return path;
}

// Takes the system's help control away while it lives and always puts it back; a copy left
// aside by an earlier run that died is put back first.
class HelpControlAside {
  public:
    HelpControlAside() : path_(SystemHelpControl()), aside_(path_ + ".aside") {
        if (!Exists(path_) && Exists(aside_))
            MoveFileA(aside_.c_str(), path_.c_str());
        moved_ = MoveFileA(path_.c_str(), aside_.c_str()) != 0;
    }
    ~HelpControlAside() {
        if (moved_)
            MoveFileA(aside_.c_str(), path_.c_str());
    }
    bool moved() const { return moved_; }

  private:
    std::string path_, aside_;
    bool moved_;
};

// Points the help control's registration at another value while it lives, then puts the
// registered value back.
class Registration {
  public:
    Registration(DWORD type, const std::string& value) {
        ok_ = RegOpenKeyExA(HKEY_CLASSES_ROOT, kKey, 0, KEY_READ | KEY_WRITE, &key_) ==
                  ERROR_SUCCESS &&
              RegQueryValueExA(key_, nullptr, nullptr, &oldType_, (BYTE*)old_, &oldSize_) ==
                  ERROR_SUCCESS &&
              RegSetValueExA(key_, nullptr, 0, type, (const BYTE*)value.c_str(),
                             (DWORD)value.size() + 1) == ERROR_SUCCESS;
    }
    ~Registration() {
        if (ok_)
            RegSetValueExA(key_, nullptr, 0, oldType_, (const BYTE*)old_, oldSize_);
        RegCloseKey(key_);
    }
    bool ok() const { return ok_; }

  private:
    static constexpr const char* kKey =
        "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
    HKEY key_ = nullptr;
    DWORD oldType_ = 0;
    char old_[MAX_PATH] = "";
    DWORD oldSize_ = sizeof old_;
    bool ok_ = false;
};

class HelpLookup : public ::testing::Test {
  protected:
    void SetUp() override {
        SelectCatalogRow(0);
        strcpy(MediaFolder, media.folderText().c_str());
        DeleteFileA(PlantedMarker().c_str());
        ASSERT_EQ(GetModuleHandleA("hhctrl.ocx"), nullptr) << "run each suite in its own process";
        ASSERT_TRUE(Exists(ProgramFolder() + "hhctrl.ocx"))
            << ProgramFolder() << " lacks hhctrl.ocx";
    }
    void TearDown() override { DeleteFileA(PlantedMarker().c_str()); }
    TempFolder media;
};

using HelpMissing = HelpLookup;
using HelpPlanted = HelpLookup;
using BareNameLoad = HelpLookup;
using HelpRegisteredWithVariables = HelpLookup;
using HelpRegisteredByBareName = HelpLookup;

} // namespace

TEST_F(HelpMissing, SecondRequestDoesNotTryToLoadItAgain) {
    {
        HelpControlAside aside;
        ASSERT_TRUE(aside.moved());
        EXPECT_EQ(ShowHelpTopic(100), nullptr);
        EXPECT_EQ(GetModuleHandleA("hhctrl.ocx"), nullptr);
    }
    // The control is back and would load now, but the failure is remembered.
    ASSERT_TRUE(Exists(SystemHelpControl()));
    EXPECT_EQ(ShowHelpTopic(200), nullptr);
    EXPECT_EQ(GetModuleHandleA("hhctrl.ocx"), nullptr);
    // Not even the planted copy was tried.
    EXPECT_FALSE(Exists(PlantedMarker()));
}

TEST_F(HelpPlanted, OnlyTheSystemCopyIsLoaded) {
    ShowHelpTopic(100);
    HMODULE loaded = GetModuleHandleA("hhctrl.ocx");
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(EqualNoCase(ModulePath(loaded).c_str(), SystemHelpControl().c_str()))
        << ModulePath(loaded);
    EXPECT_FALSE(Exists(PlantedMarker()));
}

// The plant is effective: a load by bare name, which the lookup never does, takes it.
TEST_F(BareNameLoad, TakesThePlantedCopyBesideTheProgram) {
    HMODULE planted = LoadLibraryA("hhctrl.ocx");
    ASSERT_NE(planted, nullptr);
    EXPECT_TRUE(EqualNoCase(ModulePath(planted).c_str(), (ProgramFolder() + "hhctrl.ocx").c_str()))
        << ModulePath(planted);
    EXPECT_EQ(GetProcAddress(planted, MAKEINTRESOURCEA(14)), nullptr) << "builtin loaded";
    EXPECT_TRUE(Exists(PlantedMarker())) << PlantedMarker();
    FreeLibrary(planted);
}

// The registered value may name the control through environment variables, as Windows's own
// "%SystemRoot%\\System32\\hhctrl.ocx" does: they are expanded and that file is loaded.
TEST_F(HelpRegisteredWithVariables, ExpandsThemAndLoadsThatFile) {
    std::string folder = ProgramFolder() + "registered";
    CreateDirectoryA(folder.c_str(), nullptr);
    std::string copy = folder + "\\hhctrl.ocx";
    ASSERT_TRUE(CopyFileA((ProgramFolder() + "hhctrl.ocx").c_str(), copy.c_str(), FALSE));
    SetEnvironmentVariableA("HELP_TEST_FOLDER", folder.c_str());
    {
        Registration registration(REG_EXPAND_SZ, "%HELP_TEST_FOLDER%\\hhctrl.ocx");
        ASSERT_TRUE(registration.ok());
        // The stand-in has no HtmlHelpA, so help stays unavailable, but it was this file.
        EXPECT_EQ(ShowHelpTopic(100), nullptr);
    }
    HMODULE loaded = GetModuleHandleA("hhctrl.ocx");
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(EqualNoCase(ModulePath(loaded).c_str(), copy.c_str())) << ModulePath(loaded);
    EXPECT_TRUE(Exists(folder + "\\planted-loaded.txt"));
    EXPECT_FALSE(Exists(PlantedMarker()));
}

// A registered bare name would be looked up beside the program: it is passed over for the copy
// in the system folder.
TEST_F(HelpRegisteredByBareName, IsPassedOverForTheSystemCopy) {
    {
        Registration registration(REG_SZ, "hhctrl.ocx");
        ASSERT_TRUE(registration.ok());
        ShowHelpTopic(100);
    }
    HMODULE loaded = GetModuleHandleA("hhctrl.ocx");
    ASSERT_NE(loaded, nullptr);
    EXPECT_TRUE(EqualNoCase(ModulePath(loaded).c_str(), SystemHelpControl().c_str()))
        << ModulePath(loaded);
    EXPECT_FALSE(Exists(PlantedMarker()));
}

// The pictures and the icon compiled into the program: names, sizes and colour depths.
#include "app/catalog.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

const BITMAPINFOHEADER* BitmapHeader(const char* name) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, name, MAKEINTRESOURCEA(2) /* RT_BITMAP */);
    if (!resource)
        return nullptr;
    return static_cast<const BITMAPINFOHEADER*>(LockResource(LoadResource(module, resource)));
}

#pragma pack(push, 2)
struct IconDirectoryEntry {
    BYTE width, height, colorCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInResource;
    WORD id;
};
struct IconDirectory {
    WORD reserved, type, count;
    IconDirectoryEntry entries[1];
};
#pragma pack(pop)

} // namespace

TEST(Resources, BitmapsHaveTheirSizeAndDepth) {
    struct Case {
        const char* name;
        int width, height, bits;
    } cases[] = {
        {"DraskelBack", 100, 75, 4},     {"SerrowBack", 100, 75, 4},
        {"OrvanexBack", 100, 75, 4},     {"CalvixBack", 100, 75, 4},
        {"DromalBack", 100, 75, 4},      {"PellionBack", 100, 75, 4},
        {"Draskel32Back", 100, 75, 4},   {"HavrinBack", 100, 75, 4},
        {"Tolvern32Back2", 190, 32, 8},  {"VelmoraLogo2016", 200, 100, 24},
        {"OrvanexLogo", 150, 70, 4},     {"CalvixLogo", 150, 70, 4},
        {"DromalLogo", 150, 70, 4},      {"PellionLogo", 150, 70, 4},
    };
    for (const Case& c : cases) {
        const BITMAPINFOHEADER* header = BitmapHeader(c.name);
        ASSERT_NE(header, nullptr) << c.name;
        EXPECT_EQ(header->biWidth, c.width) << c.name;
        EXPECT_EQ(std::abs(header->biHeight), c.height) << c.name;
        EXPECT_EQ(header->biBitCount, c.bits) << c.name;
    }
}

TEST(Resources, EveryCatalogPictureNameLoadsWhateverItsCase) {
    for (int row = 0; row < kCatalogRows; ++row) {
        for (const char* name :
             {ProductCatalog::backgroundBitmap[row], ProductCatalog::logoBitmap[row]}) {
            HBITMAP bitmap = LoadBitmapA(GetModuleHandleA(nullptr), name);
            EXPECT_NE(bitmap, nullptr) << name;
            DeleteObject(bitmap);
        }
    }
    HBITMAP upper = LoadBitmapA(GetModuleHandleA(nullptr), "VELMORALOGO2016");
    EXPECT_NE(upper, nullptr);
    DeleteObject(upper);
}

TEST(Resources, InstallIconIsOneImageOf32By32In16Colours) {
    HMODULE module = GetModuleHandleA(nullptr);
    HRSRC resource = FindResourceA(module, "InstallIcon", MAKEINTRESOURCEA(14) /* group icon */);
    ASSERT_NE(resource, nullptr);
    auto directory = static_cast<const IconDirectory*>(LockResource(LoadResource(module, resource)));
    ASSERT_EQ(directory->count, 1);
    EXPECT_EQ(directory->entries[0].width, 32);
    EXPECT_EQ(directory->entries[0].height, 32);
    EXPECT_EQ(directory->entries[0].colorCount, 16);
    EXPECT_EQ(directory->entries[0].bitCount, 4);
    EXPECT_NE(LoadIconA(module, "InstallIcon"), nullptr);
}

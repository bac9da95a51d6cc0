#include "wizard/product_version.h"

#include "app/catalog.h"
#include "tests/native/temp_folder.h"
#include "wizard/install_options.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

TEST(ReadProductVersion, FirstLineTrimmedAndCutTo19) {
    struct Case {
        const char* bytes;
        const char* version;
    } cases[] = {
        {" 5.1 \r\n6.0\r\n", "5.1"},
        {"1234567890123456789012345\r\n", "1234567890123456789"},
        {"", ""},
        {"5.1\x1a trailing", "5.1"},
        {"  \r\n5.1", ""},
    };
    for (const Case& c : cases) {
        TempFolder media;
        media.write("VERSION.TXT", c.bytes);
        std::strcpy(MediaFolder, media.folderText().c_str());
        std::strcpy(productVersion, "stale");
        ReadProductVersion();
        EXPECT_STREQ(productVersion, c.version) << "[" << c.bytes << "]";
    }
}

TEST(ReadProductVersion, MissingFileGivesEmptyVersion) {
    TempFolder media;
    std::strcpy(MediaFolder, media.folderText().c_str());
    std::strcpy(productVersion, "stale");
    ReadProductVersion();
    EXPECT_STREQ(productVersion, "");
}

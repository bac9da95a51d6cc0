#include "app/catalog.h"

#include "tests/native/temp_folder.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

// Runs LoadProductInfo on a PRODUCT.TXT with the given bytes; returns the row or -1.
int RowFor(const std::string* bytes) {
    TempFolder media;
    if (bytes)
        media.write("PRODUCT.TXT", *bytes);
    std::strcpy(MediaFolder, media.folderText().c_str());
    std::memset(&productInfo, 0, sizeof productInfo);
    productInfo.productCode = -1;
    if (!LoadProductInfo())
        return -1;
    return productInfo.productCode;
}

int RowFor(const std::string& bytes) { return RowFor(&bytes); }

} // namespace

TEST(ProductCatalog, EveryRowIsSelfConsistent) {
    for (int row = 0; row < kCatalogRows; ++row) {
        EXPECT_EQ(ProductCatalog::productCode[row], row);
        std::string key = ProductCatalog::key[row];
        EXPECT_EQ(RowFor(key + "\r\n"), row) << key;
        EXPECT_LT(std::strlen(ProductCatalog::key[row]), 50u);
    }
}

TEST(LoadProductInfo, SelectsRowByFirstLine) {
    struct Case {
        std::string bytes;
        int row;
    } cases[] = {
        {"SERROW (EVALUATION)", 15},
        {"  Serrow  \r\nOld Havrin\r\n", 2},
        {"Old Havrin", 12},
        {"Havrin", -1},
        {"Draskel\t", -1},
        {"\tDraskel", -1},
        {"\xEF\xBB\xBF" "Draskel", -1},
        {"Draskel 2016", -1},
        {"Dromal\x1a (Evaluation)", 7},
        {"Calvix\rCalvix (Evaluation)", 5},
        {"", -1},
        {"   \r\nDraskel\r\n", -1},
        // Only the first 50 bytes count: a name after them is not seen.
        {std::string(50, ' ') + "Draskel", -1},
        {std::string(43, ' ') + "Draskel", 0},
        {std::string(44, ' ') + "Draskel", -1},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RowFor(c.bytes), c.row) << "PRODUCT.TXT [" << c.bytes << "]";
}

TEST(LoadProductInfo, MissingFileSelectsNothingAndKeepsRecordUntouched) {
    EXPECT_EQ(RowFor(nullptr), -1);
    EXPECT_EQ(productInfo.caption[0], '\0');
}

TEST(LoadProductInfo, CopiesEveryColumnOfTheRow) {
    ASSERT_EQ(RowFor("Pellion"), 9);
    EXPECT_STREQ(productInfo.caption, "Orvane Installation");
    EXPECT_STREQ(productInfo.displayName, "Orvane");
    EXPECT_STREQ(productInfo.componentLabel, "Or&vane");
    EXPECT_STREQ(productInfo.backgroundBitmap, "PellionBack");
    EXPECT_STREQ(productInfo.defaultFolder, "C:\\PELLION");
    EXPECT_STREQ(productInfo.exeName, "PELLION.EXE");
    EXPECT_STREQ(productInfo.mainClassName, "PELLION:INSTALL");
    EXPECT_STREQ(productInfo.mainWindowTitle, "ORVANE INSTALL");
    EXPECT_STREQ(productInfo.statusClassName, "PELLION:MESSAGE");
    EXPECT_STREQ(productInfo.startMenuFolder, "Velmora");
    EXPECT_STREQ(productInfo.logoBitmap, "PellionLogo");
    EXPECT_EQ(productInfo.isEvaluation, 0);
    ASSERT_EQ(RowFor("Draskel (Metric) (Evaluation)"), 14);
    EXPECT_EQ(productInfo.isEvaluation, 1);
    EXPECT_STREQ(productInfo.mainClassName, "DRASKELM:INSTALL");
}

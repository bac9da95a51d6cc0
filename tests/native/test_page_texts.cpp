#include "presentation/page_texts.h"

#include "app/catalog.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {
struct Texts {
    std::string title, subtitle;
};

Texts TextsOf(int kind, const char* displayName) {
    char title[kBandTextSize], subtitle[kBandTextSize];
    std::memset(title, 'x', sizeof title);
    std::memset(subtitle, 'x', sizeof subtitle);
    PageHeaderTexts(kind, displayName, title, subtitle);
    return {title, subtitle};
}
} // namespace

TEST(PageHeaderTexts, EveryKindOfTheTable) {
    SelectCatalogRow(0);
    struct Case {
        int kind;
        const char *title, *subtitle;
    } cases[] = {
        {kPageWelcome, "Welcome", "Welcome to the Draskel installation wizard."},
        {kPageLicense, "License Agreement", "Read and confirm license agreement."},
        {kPageInstallType, "Install Type", "Specify install type."},
        {kPageInstallFolder, "Install Folder", "Specify install folder."},
        {kPageComponents, "Install Components and Tasks",
         "Specify components to install and tasks to accomplish."},
        {kPageOverview, "Install Overview", "Confirm install folder, components and tasks."},
        {kPageReadme, "View README.TXT File", "Read information in README.TXT file."},
        {kPageFinish, "Finish", "Finish the Draskel installation wizard."},
        // No page has kind 2, none above 8: the band stays without text.
        {2, "", ""},
        {9, "", ""},
        {1000, "", ""},
        {-1, "", ""},
    };
    for (const Case& c : cases) {
        Texts texts = TextsOf(c.kind, productInfo.displayName);
        EXPECT_EQ(texts.title, c.title) << c.kind;
        EXPECT_EQ(texts.subtitle, c.subtitle) << c.kind;
    }
}

TEST(PageHeaderTexts, LongestDisplayNameFitsEveryText) {
    std::string name(kCatalogText - 1, 'N');
    for (int kind : {kPageWelcome, kPageFinish}) {
        Texts texts = TextsOf(kind, name.c_str());
        EXPECT_NE(texts.subtitle.find(name), std::string::npos) << kind;
        EXPECT_LT(texts.subtitle.size(), (size_t)kBandTextSize);
    }
}

TEST(BandTitleTop, ThirdOfTheBandAboveTwoLines) {
    EXPECT_EQ(BandTitleTop(65, 13), 13);
    EXPECT_EQ(BandTitleTop(65, 13) + 2 * 13, 39);
    // Truncated toward zero, also when the text is taller than the band.
    EXPECT_EQ(BandTitleTop(66, 13), 13);
    EXPECT_EQ(BandTitleTop(10, 13), -14); // -29 / 2
    EXPECT_EQ(BandTitleTop(11, 4), 0);    // -1 / 2
}

TEST(CenteredStart, HalfTheDifferenceTruncatedTowardZero) {
    EXPECT_EQ(CenteredStart(0, 1024, 614), 205);
    EXPECT_EQ(CenteredStart(100, 300, 200), 150);
    EXPECT_EQ(CenteredStart(100, 301, 200), 150);
    // Wider than the reference: a difference of -5 places it 2 pixels left of the reference.
    EXPECT_EQ(CenteredStart(100, 200, 205), 98);
    EXPECT_EQ(CenteredStart(-50, 10, 15), -52);
}

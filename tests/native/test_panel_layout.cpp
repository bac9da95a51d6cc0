#include "presentation/panel_layout.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(PanelGeometry, FollowsTheLogoSize) {
    struct Case {
        int logoWidth, logoHeight, width, height, textX;
    } cases[] = {
        {150, 70, 565, 80, 160},
        {200, 100, 615, 110, 210},
        {0, 0, 410, 80, 5},
    };
    for (const Case& c : cases) {
        PanelGeometry g = ComputePanelGeometry(c.logoWidth, c.logoHeight);
        EXPECT_EQ(g.panelWidth, c.width);
        EXPECT_EQ(g.panelHeight, c.height);
        EXPECT_EQ(g.statusTextX, c.textX);
    }
}

TEST(PanelGeometry, CentresCaptionAndStatusLines) {
    // Client heights are the panel heights less the one-pixel border on each side.
    int y = CaptionLineTop(78, 18, 16);
    EXPECT_EQ(y, 14);
    EXPECT_EQ(StatusLineTop(y, 18, 16), 48);
    y = CaptionLineTop(108, 18, 16);
    EXPECT_EQ(y, 29);
    EXPECT_EQ(StatusLineTop(y, 18, 16), 63);
    // Truncation toward zero, also below zero.
    EXPECT_EQ(CaptionLineTop(51, 18, 16), 0);
    EXPECT_EQ(CaptionLineTop(47, 18, 16), -1);
}

TEST(PanelCaption, UpperCasesAndMarksEvaluationEditions) {
    struct Case {
        int row;
        const char* text;
    } cases[] = {
        {0, "DRASKEL INSTALLATION"},
        {13, "DRASKEL INSTALLATION (EVAL)"},
        {1, "DRASKEL (METRIC) INSTALLATION"},
        {14, "DRASKEL (METRIC) INSTALLATION (EVAL)"},
    };
    for (const Case& c : cases) {
        SelectCatalogRow(c.row);
        char text[80];
        BuildPanelCaption(productInfo, text, sizeof text);
        EXPECT_STREQ(text, c.text);
    }
    SelectCatalogRow(0);
    productInfo.isEvaluation = 2; // only 1 marks an evaluation edition
    char text[80];
    BuildPanelCaption(productInfo, text, sizeof text);
    EXPECT_STREQ(text, "DRASKEL INSTALLATION");
}

// Status panel layout rules.
#include "presentation/panel_layout.h"

#include "app/text_util.h"

#include <stdio.h>

PanelGeometry ComputePanelGeometry(int logoWidth, int logoHeight) {
    if (logoWidth == 0 && logoHeight == 0)
        return PanelGeometry{410, 80, 5};
    return PanelGeometry{logoWidth + 415, logoHeight + 10, logoWidth + 10};
}

int CaptionLineTop(int clientHeight, int captionHeight, int statusHeight) {
    return (clientHeight - 2 * statusHeight - captionHeight) / 2;
}

int StatusLineTop(int captionTop, int captionHeight, int statusHeight) {
    return captionTop + captionHeight + statusHeight;
}

void BuildPanelCaption(const ProductInfo& product, char* out, int size) {
    snprintf(out, (size_t)size, "%s%s", product.caption, product.isEvaluation == 1 ? " (EVAL)" : "");
    UpperCaseAscii(out);
}

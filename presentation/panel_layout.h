// Geometry and texts of the status panel, apart from drawing so they are tested natively.
#pragma once

#include "app/catalog.h"

struct PanelGeometry {
    int panelWidth;
    int panelHeight;
    int statusTextX;
};

// logoWidth and logoHeight are 0 when no logo was loaded.
PanelGeometry ComputePanelGeometry(int logoWidth, int logoHeight);
// Top of the caption line: caption, an empty status-height line and the status line centred together.
int CaptionLineTop(int clientHeight, int captionHeight, int statusHeight);
int StatusLineTop(int captionTop, int captionHeight, int statusHeight);
// caption, " (EVAL)" for evaluation editions, ASCII letters in capitals.
void BuildPanelCaption(const ProductInfo& product, char* out, int size);

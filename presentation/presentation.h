// The full-screen background and the status panel.
#pragma once

#include <windows.h>

#include "app/limits.h"

struct PresentationState {
    HBITMAP backgroundImage;
    int backgroundStretched;
    int backgroundWidth;
    int backgroundHeight;
    HBITMAP logoImage;
    int logoWidth;
    int logoHeight;
    int panelWidth;
    int panelHeight;
    int statusTextX;
    char statusText[kMessageSize];
};

extern PresentationState presentation;

void LoadBackground();
void PaintBackground(HWND window);
// Draws the background over a client area of the given size; PaintBackground's drawing step.
void DrawBackground(HDC dc, int clientWidth, int clientHeight);
void ShowStatusPanel();
LRESULT CALLBACK StatusPanelProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
void PaintStatusPanel(HWND window, HDC dc);
void SetStatusText(const char* text);

// Times the installation search over one folder tree, with the status panel shown and repainted
// for every folder as the installer does; used by scripts/bench-search.
// usage: search_bench.exe FOLDER\ EXENAME [nopanel]   (nopanel: the walk alone, no status panel)
#include "app/app_state.h"
#include "app/catalog.h"
#include "presentation/presentation.h"
#include "search/search.h"

#include <stdio.h>
#include <string.h>

int main(int argc, char** argv) {
    if (argc < 3)
        return 2;
    appInstance = GetModuleHandleA(nullptr);
    SelectCatalogRow(0);
    LoadBackground();
    WNDCLASSA panelClass = {};
    panelClass.lpfnWndProc = StatusPanelProc;
    panelClass.hInstance = appInstance;
    panelClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    panelClass.lpszClassName = "BenchStatusPanel";
    RegisterClassA(&panelClass);
    if (argc < 4 || strcmp(argv[3], "nopanel") != 0)
        statusPanel = CreateWindowExA(0, "BenchStatusPanel", nullptr, WS_POPUP | WS_VISIBLE, 5, 5,
                                      presentation.panelWidth, presentation.panelHeight, nullptr,
                                      nullptr, appInstance, nullptr);
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
        DispatchMessageA(&message);

    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);
    QueryPerformanceCounter(&start);
    foldersSearched = 0;
    ScanFolder(argv[1], argv[2]);
    QueryPerformanceCounter(&end);
    double ms = (double)(end.QuadPart - start.QuadPart) * 1000.0 / (double)frequency.QuadPart;
    int matches = 0;
    for (const FoundInstallation* found = foundList; found; found = found->next)
        ++matches;
    printf("matches=%d folders=%d internal_ms=%.1f folders_per_s=%.0f\n", matches, foldersSearched,
           ms, foldersSearched / (ms / 1000.0));
    FreeFoundList();
    DestroyWindow(statusPanel);
    return 0;
}

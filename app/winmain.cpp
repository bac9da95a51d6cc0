// The program entry of INSTALL.EXE; kept apart so the tests can link everything else.
#include "app/app_state.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
    // First of all: no DLL planted beside the installer on a download folder may load.
    SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    FindMediaFolder();
    return RunInstaller(instance);
}

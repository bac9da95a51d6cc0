#include "tests/wine/modal_driver.h"

#include <algorithm>

namespace {
ModalDriver* activeDriver = nullptr;

struct Search {
    const std::deque<HWND>* handled;
    HWND found;
};

BOOL CALLBACK FindNewDialog(HWND window, LPARAM data) {
    Search* search = reinterpret_cast<Search*>(data);
    char className[16] = "";
    GetClassNameA(window, className, sizeof className);
    if (strcmp(className, "#32770") == 0 && IsWindowVisible(window) && IsWindowEnabled(window) &&
        std::find(search->handled->begin(), search->handled->end(), window) ==
            search->handled->end()) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}
} // namespace

ModalDriver::ModalDriver() : timer_(SetTimer(nullptr, 0, 30, Tick)) { activeDriver = this; }

ModalDriver::~ModalDriver() {
    KillTimer(nullptr, timer_);
    activeDriver = nullptr;
}

ModalDriver& ModalDriver::then(DialogScript script) {
    scripts_.push_back(std::move(script));
    return *this;
}

void CALLBACK ModalDriver::Tick(HWND, UINT, UINT_PTR, DWORD) {
    if (activeDriver)
        activeDriver->runNext();
}

void ModalDriver::runNext() {
    if (scripts_.empty())
        return;
    // A closed dialog's handle may come back for a new one.
    handled_.erase(std::remove_if(handled_.begin(), handled_.end(),
                                  [](HWND window) { return !IsWindow(window); }),
                   handled_.end());
    Search search{&handled_, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindNewDialog, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return;
    // Taken before it runs: a script that opens a nested dialog lets the timer fire again.
    handled_.push_back(search.found);
    DialogScript script = std::move(scripts_.front());
    scripts_.pop_front();
    script(search.found);
}

std::string WindowText(HWND window) {
    char text[1024] = "";
    GetWindowTextA(window, text, sizeof text);
    return text;
}

std::string ItemText(HWND dialog, int id) { return WindowText(GetDlgItem(dialog, id)); }

std::string MessageBoxText(HWND box) { return ItemText(box, 0xFFFF); }

void Click(HWND dialog, int id) { SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0); }

void PressKey(HWND dialog, UINT key) {
    // Posted to the focused control, so the dialog manager translates it as it does a real key.
    HWND target = GetFocus() ? GetFocus() : dialog;
    PostMessageA(target, WM_KEYDOWN, key, 1);
    PostMessageA(target, WM_KEYUP, key, 0xC0000001);
}

void PressCloseBox(HWND dialog) { PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0); }

std::string SaveWindowShot(HWND window, const std::string& name) {
    UpdateWindow(window);
    RECT r;
    GetWindowRect(window, &r);
    int width = r.right - r.left, height = r.bottom - r.top;
    BITMAPINFOHEADER info = {};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height; // bottom-up, as BMP files store it
    info.biPlanes = 1;
    info.biBitCount = 24;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(screen, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS,
                                      &bits, nullptr, 0);
    HGDIOBJ old = SelectObject(memory, bitmap);
    BitBlt(memory, 0, 0, width, height, screen, r.left, r.top, SRCCOPY);
    GdiFlush();
    DWORD size = (DWORD)(((width * 3 + 3) & ~3) * height);
    BITMAPFILEHEADER file = {};
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + size;
    char folder[MAX_PATH] = ".";
    GetEnvironmentVariableA("SHOT_DIR", folder, sizeof folder);
    std::string path = std::string(folder) + "\\" + name + ".bmp";
    HANDLE out = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written;
    WriteFile(out, &file, sizeof file, &written, nullptr);
    WriteFile(out, &info, sizeof info, &written, nullptr);
    WriteFile(out, bits, size, &written, nullptr);
    CloseHandle(out);
    SelectObject(memory, old);
    DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return path;
}

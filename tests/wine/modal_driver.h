// Drives the modal dialogs and message boxes that a test opens on its own thread. Each queued
// script runs inside the modal loop, with the dialog that has just come up, and acts on it the
// way a user would: read texts and states, press buttons, send Esc.
#pragma once

#include <windows.h>

#include <deque>
#include <functional>
#include <string>

using DialogScript = std::function<void(HWND dialog)>;

class ModalDriver {
  public:
    ModalDriver();
    ~ModalDriver();
    ModalDriver(const ModalDriver&) = delete;
    ModalDriver& operator=(const ModalDriver&) = delete;

    // Queues a script for the next dialog of this thread that comes up.
    ModalDriver& then(DialogScript script);
    // Scripts that never found their dialog.
    size_t pending() const { return scripts_.size(); }

  private:
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD);
    void runNext();

    std::deque<DialogScript> scripts_;
    std::deque<HWND> handled_;
    UINT_PTR timer_;
};

std::string WindowText(HWND window);
std::string ItemText(HWND dialog, int id);
// A message box's message.
std::string MessageBoxText(HWND box);
// Presses a button as a click would (nothing happens when it is disabled or hidden).
void Click(HWND dialog, int id);
// A key press into the focused control, handled once the script returns to the modal loop.
void PressKey(HWND dialog, UINT key);
void PressCloseBox(HWND dialog);

// Saves what the screen shows of a window as a 24-bit BMP named NAME.bmp in the folder that
// SHOT_DIR names, relative to the working folder (which is used when it is unset).
std::string SaveWindowShot(HWND window, const std::string& name);

// Drives a modal dialog that the test's own thread is about to open, from a helper thread: it waits for the
// dialog to show, acts on it, and waits for it to close. A dialog that never shows or does not close in time
// fails the test; one that ignores every request to close ends the test binary rather than hang it.
#pragma once

#include <windows.h>

#include <functional>
#include <thread>

class DialogDriver {
public:
    // `action` runs on the helper thread with the dialog's window once it is visible.
    explicit DialogDriver(std::function<void(HWND dialog)> action);
    ~DialogDriver();
    DialogDriver(const DialogDriver &) = delete;
    DialogDriver &operator=(const DialogDriver &) = delete;

    // Waits for the helper; true when the dialog showed and closed in time. Call once the dialog has
    // returned.
    bool Finished();

private:
    void Drive(DWORD ownerThread);

    std::function<void(HWND)> action_;
    bool shown_ = false;
    bool closed_ = false;
    std::thread helper_;
};

// The visible dialog window (class "#32770") that `thread` owns, or null.
HWND FindThreadDialog(DWORD thread);

// Sends a button click to a dialog the way its own button would.
void PressDialogButton(HWND dialog, int id);

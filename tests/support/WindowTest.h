#pragma once
// Helpers for tests that drive real windows by messages, and for the screenshot program.
#include "Dialog.h"
#include <string>
#include <vector>
#include <windows.h>

// A top-level window of this process whose caption is `caption` (any caption when empty) and
// whose class is `cls`; nullptr when there is none.
HWND FindTopWindow(const std::wstring& caption, const std::wstring& cls = L"ThunderRT6FormDC");

// Presses a button as a click would (BM_CLICK), so the dialog sees WM_COMMAND from the control.
void Click(HWND dialog, int id);
void SetText(HWND dialog, int id, const std::wstring& text);
std::wstring Text(HWND dialog, int id);
std::wstring WindowText(HWND window);
bool IsShown(HWND dialog, int id);
// The control identifier that has the keyboard focus, or 0.
int FocusedId(HWND dialog);

// Sends a list-view notification (NMITEMACTIVATE) from control `id` to its dialog, as a click,
// double click or key on row `item` would; returns the dialog's answer.
LRESULT NotifyListView(HWND dialog, int id, UINT code, int item = -1);
// Every row of a list view, each as its column texts.
std::vector<std::vector<std::wstring>> ListViewRows(HWND dialog, int id);

// Installs a shown hook for the scope of a test; none is left behind when the test ends.
class ShownHookScope {
public:
    explicit ShownHookScope(Dialog::ShownHook hook) { Dialog::SetShownHook(std::move(hook)); }
    ~ShownHookScope() { Dialog::SetShownHook(nullptr); }
    ShownHookScope(const ShownHookScope&) = delete;
    ShownHookScope& operator=(const ShownHookScope&) = delete;
};

// Answers every message dialog shown while it lives by pressing the next of `buttons` (IDOK,
// IDCANCEL, IDYES, IDNO; 0 closes the window without a button), the last again once they run
// out, and keeps the prompts in order. Any other modal window is closed.
class MessageDialogAnswers {
public:
    explicit MessageDialogAnswers(std::vector<int> buttons);
    std::vector<std::wstring> prompts;

private:
    std::vector<int> m_buttons;
    ShownHookScope m_hook;
};

// Writes what the screen shows of a window (frame included) as a 24-bit BMP file.
bool SaveWindowImage(HWND window, const std::wstring& path);

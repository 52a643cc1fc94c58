#pragma once
// An icon in the notification area with a tool tip and mouse events. The shell's callbacks
// arrive at a message-only window of the object's own, so the host window routes nothing.
#include "LibApi.h"
#include <functional>
#include <string>
#include <windows.h>
#include <shellapi.h>

class AXORVELLIB_API CTray {
public:
    // The message the shell posts to CallbackWindow(); its lParam is the mouse message.
    static constexpr UINT kCallbackMessage = WM_APP + 0x100;
    static constexpr size_t kTipField = 64; // characters, the terminating NUL included

    CTray();
    ~CTray(); // removes the icon
    CTray(const CTray&) = delete;
    CTray& operator=(const CTray&) = delete;

    // The picture shown (the caller keeps ownership); a shown icon changes at once.
    void SetPicBox(HICON picture);
    // Cut to fit the 64-character field; the shown icon's tip changes at once.
    void SetTipText(const std::wstring& sTip);
    std::wstring TipText() const { return m_data.szTip; }
    // Adds the icon; false without a picture.
    bool ShowIcon();
    void DeleteIcon();
    HWND CallbackWindow() const { return m_window; }

    // Raised for mouse activity on the icon. A callback that arrives while a handler of an
    // earlier one still runs (a menu opened from RButtonUp, say) raises nothing.
    std::function<void()> RButtonDown, RButtonUp, RButtonDblClick, LButtonDown, LButtonUp, LButtonDblClick;

private:
    static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    void OnCallback(UINT mouseMessage);

    HWND m_window = nullptr;
    NOTIFYICONDATAW m_data{};
    bool m_shown = false;
    bool m_inEvent = false;
};

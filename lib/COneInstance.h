#pragma once
// Single instance: a named mutex marks the running instance, its main window is found by class and
// title, and a second instance hands it a text through the registered message "ORVEL_SEND_PARAM",
// which carries the sender's process id and the address of a 1024-character buffer the receiver
// reads across processes and acknowledges by blanking its first character.
#include "LibApi.h"
#include "Unique.h"
#include <functional>
#include <string>
#include <windows.h>

class AXORVELLIB_API COneInstance {
public:
    static constexpr size_t kBufferChars = 1024;
    static constexpr const wchar_t* kMainWindowClass = L"ThunderRT6FormDC";

    COneInstance();
    ~COneInstance();
    COneInstance(const COneInstance&) = delete;
    COneInstance& operator=(const COneInstance&) = delete;

    // Raised by SubclassingProc, once per hand-over, with the text trimmed of blanks.
    std::function<void(const std::wstring& sParam)> Received;

    // True when this call created the mutex sAppIdentity + "_COneInstance"; False when it existed.
    bool Create(const std::wstring& sAppIdentity);
    void Release();

    // Shows and brings to the front the first top-level window of the main class with that title.
    bool Show(const std::wstring& sWndTitle) const;
    // Hidden windows count.
    bool HasWnd(const std::wstring& sWndTitle, const std::wstring& sClassname = kMainWindowClass) const;
    // Posts the text to every main window with that title and waits, at most SendTimeout
    // milliseconds, for one of them to take it over. False for an empty text, no window, or no
    // acknowledgement in time (the hand-over is then withdrawn, so a late receiver ignores it).
    bool Send(const std::wstring& sWndTitle, const std::wstring& sParam) const;

    // Always 0. The owner of the receiving window passes every message of the window here.
    LRESULT SubclassingProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) const;

    UINT Message() const { return m_message; }
    DWORD SendTimeout() const { return m_sendTimeout; }
    void SetSendTimeout(DWORD milliseconds) { m_sendTimeout = milliseconds; }

private:
    UINT m_message;
    UniqueMutex m_mutex;
    DWORD m_sendTimeout = 10000;
};

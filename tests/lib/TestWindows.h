#pragma once
// Real windows and a second process for the tests of the window-message services.
#include "Unique.h"
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

// A window of this thread whose messages reach onMessage before the default handling. Top-level
// and hidden by default (needs the display), or message-only with parent HWND_MESSAGE.
class TestWindow {
public:
    using Handler = std::function<void(HWND, UINT, WPARAM, LPARAM)>;
    TestWindow(const std::wstring& className, const std::wstring& title, Handler onMessage,
               HWND parent = nullptr);
    ~TestWindow();
    TestWindow(const TestWindow&) = delete;
    TestWindow& operator=(const TestWindow&) = delete;
    HWND Get() const { return m_hwnd; }

private:
    static LRESULT CALLBACK Proc(HWND, UINT, WPARAM, LPARAM);
    Handler m_onMessage;
    HWND m_hwnd = nullptr;
};

// orvel_lib_helper.exe (or a copy of it) started with the arguments; ended by force if still
// running at the end.
class HelperProcess {
public:
    explicit HelperProcess(const std::vector<std::wstring>& args, const std::wstring& exe = HelperExe());
    static std::wstring HelperExe();
    ~HelperProcess();
    HelperProcess(const HelperProcess&) = delete;
    HelperProcess& operator=(const HelperProcess&) = delete;
    // The exit code, or STILL_ACTIVE when it has not ended within the time (messages pumped).
    DWORD Wait(DWORD milliseconds = 20000) const;
    DWORD Id() const { return GetProcessId(m_process.Get()); }

private:
    UniqueHandle m_process;
};

// A name no other test process uses at the same time.
std::wstring UniqueName(const std::wstring& stem);

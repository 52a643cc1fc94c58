#include "TestWindows.h"
#include "TestSupport.h"
#include <stdexcept>

TestWindow::TestWindow(const std::wstring& className, const std::wstring& title, Handler onMessage,
                       HWND parent)
    : m_onMessage(std::move(onMessage)) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = Proc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = className.c_str();
    RegisterClassW(&wc); // fails harmlessly when the class is already registered
    m_hwnd = CreateWindowExW(0, className.c_str(), title.c_str(), WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, parent,
                             nullptr, wc.hInstance, this);
    if (!m_hwnd) throw std::runtime_error("cannot create a test window");
}

TestWindow::~TestWindow() {
    DestroyWindow(m_hwnd);
}

LRESULT CALLBACK TestWindow::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_NCCREATE)
        SetWindowLongPtrW(
            hwnd, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams));
    auto* self = reinterpret_cast<TestWindow*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (self && self->m_onMessage) self->m_onMessage(hwnd, msg, wParam, lParam);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

std::wstring HelperProcess::HelperExe() {
    return TestBinDir() + L"\\orvel_lib_helper.exe";
}

HelperProcess::HelperProcess(const std::vector<std::wstring>& args, const std::wstring& exe) {
    std::wstring cmd = L"\"" + exe + L"\"";
    for (const auto& a : args)
        cmd += L" \"" + a + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(exe.c_str(), cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi))
        throw std::runtime_error("cannot start the helper program");
    UniqueHandle thread(pi.hThread);
    m_process.Reset(pi.hProcess);
}

HelperProcess::~HelperProcess() {
    if (WaitForSingleObject(m_process.Get(), 0) == WAIT_TIMEOUT) TerminateProcess(m_process.Get(), 99);
}

DWORD HelperProcess::Wait(DWORD milliseconds) const {
    WaitFor([&] { return WaitForSingleObject(m_process.Get(), 0) == WAIT_OBJECT_0; },
            std::chrono::milliseconds(milliseconds));
    DWORD code = STILL_ACTIVE;
    GetExitCodeProcess(m_process.Get(), &code);
    return code;
}

std::wstring UniqueName(const std::wstring& stem) {
    static int counter = 0;
    return stem + L"-" + std::to_wstring(GetCurrentProcessId()) + L"-" + std::to_wstring(++counter);
}

#include "Dialog.h"
#include "CError.h"
#include "Unique.h"
#include "Utf8.h"
#include "Win32Error.h"
#include <stdexcept>
#include <vector>

namespace {
struct Hooks {
    Dialog::ErrorHook error;
    Dialog::ShownHook shown;
    Dialog::PickerHook picker;
};
Hooks& TheHooks() {
    static Hooks hooks;
    return hooks;
}

// Windows that a modal run disables: the owner's top window, or with no owner every visible,
// enabled top-level window of this thread.
std::vector<HWND> DisableOwners(HWND owner) {
    std::vector<HWND> windows;
    if (owner) {
        windows.push_back(GetAncestor(owner, GA_ROOT));
    } else {
        EnumThreadWindows(
            GetCurrentThreadId(),
            [](HWND h, LPARAM p) -> BOOL {
                reinterpret_cast<std::vector<HWND>*>(p)->push_back(h);
                return TRUE;
            },
            reinterpret_cast<LPARAM>(&windows));
    }
    std::vector<HWND> disabled;
    for (HWND h : windows)
        if (IsWindowVisible(h) && IsWindowEnabled(h)) {
            EnableWindow(h, FALSE);
            disabled.push_back(h);
        }
    return disabled;
}

std::wstring ProcedureName(UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_INITDIALOG:
        return L"OnInit";
    case WM_COMMAND:
        return L"OnCommand(" + std::to_wstring(LOWORD(wParam)) + L")";
    case WM_NOTIFY:
        return L"OnNotify(" + std::to_wstring(reinterpret_cast<NMHDR*>(lParam)->idFrom) + L")";
    case WM_SIZE:
        return L"OnSize";
    case WM_TIMER:
        return L"OnTimer(" + std::to_wstring(wParam) + L")";
    case WM_CLOSE:
        return L"OnClose";
    default:
        return L"OnMessage(" + std::to_wstring(msg) + L")";
    }
}

// Messages whose dialog-procedure result is the answer itself rather than DWLP_MSGRESULT.
bool ReturnsDirectly(UINT msg) {
    return (msg >= WM_CTLCOLORMSGBOX && msg <= WM_CTLCOLORSTATIC) || msg == WM_COMPAREITEM ||
           msg == WM_VKEYTOITEM || msg == WM_CHARTOITEM || msg == WM_QUERYDRAGICON || msg == WM_INITDIALOG;
}
} // namespace

Dialog::Dialog(HINSTANCE module, int templateId, std::wstring name)
    : m_module(module), m_templateId(templateId), m_name(std::move(name)) {}

Dialog::~Dialog() {
    if (!m_hwnd) return;
    // The derived part is gone: nothing may be routed to it while the window goes.
    SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
    DestroyWindow(m_hwnd);
}

void Dialog::CreateWindowFor(HWND owner) {
    FormClass();
    if (m_hwnd) throw CError(VbErr::InvalidProcedureCall, L"window already open", m_name);
    if (!CreateDialogParamW(m_module, MAKEINTRESOURCEW(m_templateId), owner, Proc,
                            reinterpret_cast<LPARAM>(this)))
        RaiseLastError(m_name);
    wchar_t cls[64] = {};
    GetClassNameW(m_hwnd, cls, 64);
    if (!(GetWindowLongPtrW(m_hwnd, GWL_STYLE) & WS_CHILD) && std::wstring(cls) != FormClass()) {
        SetWindowLongPtrW(m_hwnd, GWLP_USERDATA, 0);
        DestroyWindow(std::exchange(m_hwnd, nullptr));
        throw CError(VbErr::InvalidProcedureCall, L"dialog template without CLASS FORM_CLASS", m_name);
    }
}

HWND Dialog::Create(HWND owner) {
    m_modal = false;
    CreateWindowFor(owner);
    ShowWindow(m_hwnd, m_showCmd);
    return m_hwnd;
}

INT_PTR Dialog::DoModal(HWND owner) {
    HWND parent = owner ? owner : GetActiveWindow();
    std::vector<HWND> disabled = DisableOwners(owner);
    // Owners come back before the window goes, so that activation returns to them.
    auto restore = [&] {
        for (HWND h : disabled)
            EnableWindow(h, TRUE);
        disabled.clear();
        if (m_hwnd) DestroyWindow(m_hwnd);
    };
    ScopeExit cleanup(restore);
    m_modal = true;
    m_ended = false;
    m_result = 0;
    CreateWindowFor(parent);
    ShowWindow(m_hwnd, m_showCmd);
    UpdateWindow(m_hwnd);
    if (TheHooks().shown) TheHooks().shown(*this);
    MSG msg;
    while (!m_ended) {
        BOOL got = GetMessageW(&msg, nullptr, 0, 0);
        if (got == 0) PostQuitMessage(int(msg.wParam));
        if (got <= 0) break;
        if (!m_hwnd || !IsDialogMessageW(m_hwnd, &msg)) {
            TranslateMessage(&msg);
            DispatchMessageW(&msg);
        }
    }
    return m_result;
}

void Dialog::Close(INT_PTR result) {
    if (!m_hwnd) return;
    if (!m_modal) {
        DestroyWindow(m_hwnd);
        return;
    }
    m_result = result;
    m_ended = true;
    // Wakes the run's loop should the call come from a message the loop does not see.
    PostMessageW(m_hwnd, WM_NULL, 0, 0);
}

INT_PTR CALLBACK Dialog::Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_INITDIALOG) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, lParam);
        reinterpret_cast<Dialog*>(lParam)->m_hwnd = hwnd;
    }
    auto* self = reinterpret_cast<Dialog*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
    if (!self) return FALSE;
    if (msg == WM_NCDESTROY) {
        SetWindowLongPtrW(hwnd, GWLP_USERDATA, 0);
        self->m_hwnd = nullptr;
        self->m_ended = true;
        return FALSE;
    }
    // Nothing may unwind through the system's frames.
    try {
        return self->Route(msg, wParam, lParam);
    } catch (const std::exception& e) {
        ReportError(self->m_name, ProcedureName(msg, wParam, lParam), e);
    } catch (...) {
        ReportError(self->m_name, ProcedureName(msg, wParam, lParam), std::runtime_error("unknown error"));
    }
    return FALSE;
}

INT_PTR Dialog::Route(UINT msg, WPARAM wParam, LPARAM lParam) {
    LRESULT result = 0;
    switch (msg) {
    case WM_INITDIALOG:
        return OnInit() ? TRUE : FALSE;
    case WM_COMMAND:
        return Answer(msg, OnCommand(LOWORD(wParam), HIWORD(wParam), reinterpret_cast<HWND>(lParam)), 0);
    case WM_NOTIFY: {
        bool handled = OnNotify(*reinterpret_cast<const NMHDR*>(lParam), result);
        return Answer(msg, handled, result);
    }
    case WM_SIZE:
        if (wParam != SIZE_MINIMIZED) m_anchors.Apply(LOWORD(lParam), HIWORD(lParam));
        OnSize(LOWORD(lParam), HIWORD(lParam));
        return TRUE;
    case WM_TIMER:
        OnTimer(wParam);
        return TRUE;
    case WM_CLOSE:
        OnClose();
        return TRUE;
    default: {
        bool handled = OnMessage(msg, wParam, lParam, result);
        return Answer(msg, handled, result);
    }
    }
}

INT_PTR Dialog::Answer(UINT msg, bool handled, LRESULT result) {
    if (!handled) return FALSE;
    if (ReturnsDirectly(msg)) return static_cast<INT_PTR>(result);
    SetWindowLongPtrW(m_hwnd, DWLP_MSGRESULT, result);
    return TRUE;
}

void Dialog::SetErrorHook(ErrorHook hook) {
    TheHooks().error = std::move(hook);
}
void Dialog::SetShownHook(ShownHook hook) {
    TheHooks().shown = std::move(hook);
}
void Dialog::SetPickerHook(PickerHook hook) {
    TheHooks().picker = std::move(hook);
}

bool Dialog::AnswerPicker(const std::wstring& sPicker, std::wstring& sAnswer) {
    return TheHooks().picker && TheHooks().picker(sPicker, sAnswer);
}

void Dialog::ReportError(const std::wstring& sObject, const std::wstring& sProcedure,
                         const std::exception& error) {
    if (TheHooks().error) {
        TheHooks().error(sObject, sProcedure, error);
        return;
    }
    std::wstring text = sObject + L"." + sProcedure + L"\r\n";
    if (auto* e = dynamic_cast<const CError*>(&error))
        text += L"[" + std::to_wstring(e->Number) + L"]" + e->Description + L"\r\n" + e->Source;
    else
        text += FromUtf8(error.what());
    MessageBoxW(nullptr, text.c_str(), sObject.c_str(), MB_OK | MB_ICONERROR | MB_TASKMODAL);
}

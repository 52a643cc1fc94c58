#pragma once
// Base of every window of the program. A window is a dialog template from a resource (UTF-8 .rc,
// CLASS "ThunderRT6FormDC", see res/Form.rh); the static procedure keeps `this` in the window's user
// data and routes messages to the virtual handlers below.
//
// Modal runs disable the owner (or, with no owner, every window of the thread, as a task-modal
// message box does) and run their own message loop, so timers, drive arrivals and forwarded
// command lines keep arriving while the window is open. A WM_QUIT met there ends the run and is
// posted again for the outer loop.
//
// Errors: no exception leaves a handler. The catch-all hands a caught CError or std::exception,
// with the window's name as the object and the handler as the procedure, to the error hook. The
// application installs its error reporter there with SetErrorHook; until then a plain message box
// shows the error. The hook must not throw.
//
// Test seam: SetShownHook is called with every modal window once it is displayed and before its
// loop runs, so a test can read it and click its buttons; SetPickerHook answers file and folder
// pickers (the picker routines call AnswerPicker first). Programs never set either.
#include "AnchorLayout.h"
#include "FormClass.h"
#include "LibApi.h"
#include <exception>
#include <functional>
#include <string>
#include <windows.h>

class AXORVELLIB_API Dialog {
public:
    using ErrorHook = std::function<void(const std::wstring& sObject, const std::wstring& sProcedure,
                                         const std::exception& error)>;
    using ShownHook = std::function<void(Dialog& shown)>;
    // Answers the picker `sPicker` (the routine's name) with sAnswer; false leaves it to the user.
    using PickerHook = std::function<bool(const std::wstring& sPicker, std::wstring& sAnswer)>;

    // templateId names a DIALOG resource in `module`; name is the window's name in error
    // reports and in the settings file.
    Dialog(HINSTANCE module, int templateId, std::wstring name);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    // Shows the window modally and returns the result given to Close (0 when the loop ended by WM_QUIT).
    INT_PTR DoModal(HWND owner = nullptr);
    // Creates the window modeless and shows it; it lives until Close or the object's end.
    HWND Create(HWND owner = nullptr);
    // Ends a modal run with `result`, or destroys a modeless window.
    void Close(INT_PTR result);

    HWND Hwnd() const { return m_hwnd; }
    HWND Item(int id) const { return GetDlgItem(m_hwnd, id); }
    const std::wstring& Name() const { return m_name; }
    // How the window is first shown (SW_SHOWNORMAL unless a restored placement says otherwise).
    int ShowCommand() const { return m_showCmd; }
    void SetShowCommand(int nCmdShow) { m_showCmd = nCmdShow; }

    static void SetErrorHook(ErrorHook hook);
    static void SetShownHook(ShownHook hook);
    static void SetPickerHook(PickerHook hook);
    static bool AnswerPicker(const std::wstring& sPicker, std::wstring& sAnswer);
    // Hands an error to the error hook, as the catch-all does; for handlers outside a Dialog.
    static void ReportError(const std::wstring& sObject, const std::wstring& sProcedure,
                            const std::exception& error);

protected:
    // Return false when OnInit has set the focus itself.
    virtual bool OnInit() { return true; }
    virtual bool OnCommand(int /*id*/, int /*code*/, HWND /*control*/) { return false; }
    virtual bool OnNotify(const NMHDR& /*header*/, LRESULT& /*result*/) { return false; }
    virtual void OnSize(int /*cx*/, int /*cy*/) {}
    virtual void OnTimer(UINT_PTR /*id*/) {}
    // The close box, Alt+F4 or the system menu's close; ends the window with 0 unless overridden.
    virtual void OnClose() { Close(0); }
    // Every other message; true when handled, with its result.
    virtual bool OnMessage(UINT /*msg*/, WPARAM, LPARAM, LRESULT& /*result*/) { return false; }

    // Controls that follow the window's edges when it is resized; call from OnInit.
    void SetAnchors(std::initializer_list<ControlAnchor> anchors) { m_anchors.Capture(m_hwnd, anchors); }

private:
    static INT_PTR CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR Route(UINT msg, WPARAM wParam, LPARAM lParam);
    INT_PTR Answer(UINT msg, bool handled, LRESULT result);
    void CreateWindowFor(HWND owner);

    HINSTANCE m_module;
    int m_templateId;
    std::wstring m_name;
    HWND m_hwnd = nullptr;
    int m_showCmd = SW_SHOWNORMAL;
    bool m_modal = false;
    bool m_ended = false;
    INT_PTR m_result = 0;
    AnchorLayout m_anchors;
};

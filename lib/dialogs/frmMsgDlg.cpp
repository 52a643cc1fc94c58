#include "frmMsgDlg.h"
#include "CDialog.h"
#include "DialogsRes.h"
#include <algorithm>

namespace {
constexpr int kButtons[] = {IDC_btnYes, IDC_btnNo, IDC_btnCancel, IDC_btnOK};

void Caption(HWND dialog, int id, const std::wstring& text) {
    if (!text.empty()) SetDlgItemTextW(dialog, id, text.c_str());
}

RECT ChildRect(HWND dialog, int id) {
    RECT r{};
    GetWindowRect(GetDlgItem(dialog, id), &r);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

void MoveTo(HWND dialog, int id, int x, int y) {
    SetWindowPos(GetDlgItem(dialog, id), nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}
} // namespace

frmMsgDlg::frmMsgDlg() : Dialog(LibModule(), IDD_frmMsgDlg, L"frmMsgDlg") {}

bool frmMsgDlg::OnInit() {
    if (!m_title.empty()) SetWindowTextW(Hwnd(), m_title.c_str());
    SetDlgItemTextW(Hwnd(), IDC_lblPrompt, m_prompt.c_str());
    ShowWindow(Item(IDC_Check1), (m_flags & MDS_CHECKBOX) ? SW_SHOW : SW_HIDE);
    CheckDlgButton(Hwnd(), IDC_Check1, (m_flags & MDS_CHECKED) ? BST_CHECKED : BST_UNCHECKED);
    SetPicture();
    int focus = ShowButtons();
    Arrange();
    SendMessageW(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(focus)), TRUE);
    return false;
}

void frmMsgDlg::SetPicture() {
    SendDlgItemMessageW(Hwnd(), IDC_imgInfo, STM_SETICON, WPARAM(LoadIconW(nullptr, IDI_INFORMATION)), 0);
    SendDlgItemMessageW(Hwnd(), IDC_imgExclaim, STM_SETICON, WPARAM(LoadIconW(nullptr, IDI_WARNING)), 0);
    SendDlgItemMessageW(Hwnd(), IDC_imgQuestion, STM_SETICON, WPARAM(LoadIconW(nullptr, IDI_QUESTION)), 0);
    int from = 0;
    if (m_style & MB_ICONINFORMATION)
        from = 0;
    else if ((m_style & MB_ICONEXCLAMATION) == MB_ICONEXCLAMATION)
        from = IDC_imgExclaim;
    else if (m_style & MB_ICONQUESTION)
        from = IDC_imgQuestion;
    if (from) {
        LRESULT icon = SendDlgItemMessageW(Hwnd(), from, STM_GETICON, 0, 0);
        SendDlgItemMessageW(Hwnd(), IDC_imgInfo, STM_SETICON, WPARAM(icon), 0);
    }
}

// Shows the buttons of the style's set and returns the one that gets the focus.
int frmMsgDlg::ShowButtons() {
    for (int id : kButtons)
        ShowWindow(Item(id), SW_HIDE);
    auto show = [this](int id, const std::wstring& text) {
        Caption(Hwnd(), id, text);
        ShowWindow(Item(id), SW_SHOW);
    };
    if (m_style & MB_YESNO) { // the 4 bit: Yes/No, and the retry sets that share it
        show(IDC_btnYes, Button1Text);
        show(IDC_btnNo, Button2Text);
        return (m_style & MB_DEFBUTTON2) ? IDC_btnNo : IDC_btnYes;
    }
    if ((m_style & MB_YESNOCANCEL) == MB_YESNOCANCEL) {
        show(IDC_btnYes, Button1Text);
        show(IDC_btnNo, Button2Text);
        show(IDC_btnCancel, Button3Text);
        if (m_style & MB_DEFBUTTON2) return IDC_btnNo;
        return (m_style & MB_DEFBUTTON3) ? IDC_btnCancel : IDC_btnYes;
    }
    show(IDC_btnOK, Button1Text);
    return IDC_btnOK;
}

// Grows the window to the prompt's height and right-aligns the shown buttons under it.
void frmMsgDlg::Arrange() {
    HWND prompt = Item(IDC_lblPrompt);
    RECT label = ChildRect(Hwnd(), IDC_lblPrompt), icon = ChildRect(Hwnd(), IDC_imgInfo);
    RECT box = ChildRect(Hwnd(), IDC_Check1), ok = ChildRect(Hwnd(), IDC_btnOK);
    RECT gap{0, 0, 4, 10};
    MapDialogRect(Hwnd(), &gap);
    HDC dc = GetDC(prompt);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageW(prompt, WM_GETFONT, 0, 0)));
    RECT text{0, 0, label.right - label.left, 0};
    DrawTextW(dc, m_prompt.empty() ? L" " : m_prompt.c_str(), -1, &text,
              DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL);
    SelectObject(dc, old);
    ReleaseDC(prompt, dc);
    int height = std::max<int>(text.bottom, label.bottom - label.top);
    SetWindowPos(prompt, nullptr, 0, 0, label.right - label.left, height, SWP_NOMOVE | SWP_NOZORDER);

    int top = std::max<int>(label.top + height, icon.bottom) + gap.bottom;
    int x = ok.right;
    for (int id : {IDC_btnOK, IDC_btnCancel, IDC_btnNo, IDC_btnYes}) {
        if (!IsWindowVisible(Item(id))) continue;
        x -= ok.right - ok.left;
        MoveTo(Hwnd(), id, x, top);
        x -= gap.right;
    }
    MoveTo(Hwnd(), IDC_Check1, box.left, top + ((ok.bottom - ok.top) - (box.bottom - box.top)) / 2);

    RECT window{}, client{};
    GetWindowRect(Hwnd(), &window);
    GetClientRect(Hwnd(), &client);
    int frame = (window.bottom - window.top) - client.bottom;
    SetWindowPos(Hwnd(), nullptr, 0, 0, window.right - window.left,
                 top + (ok.bottom - ok.top) + gap.bottom + frame, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    SendMessageW(Hwnd(), DM_REPOSITION, 0, 0);
}

bool frmMsgDlg::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED) return false;
    switch (id) {
    case IDC_btnOK:
    case IDC_btnYes:
    case IDC_btnNo:
        Answer(id);
        return true;
    case IDC_btnCancel:
        // Escape arrives as the Cancel command too: it cancels when Cancel is offered and
        // acknowledges a notice that has only OK, like the platform's message box.
        if (IsWindowVisible(Item(IDC_btnCancel)))
            Answer(IDC_btnCancel);
        else if (IsWindowVisible(Item(IDC_btnOK)))
            Answer(IDC_btnOK);
        return true;
    default:
        return false;
    }
}

void frmMsgDlg::Answer(int button) {
    if (m_checked) *m_checked = IsDlgButtonChecked(Hwnd(), IDC_Check1) == BST_CHECKED ? 1 : 0;
    if (m_ret) *m_ret = button;
    Close(button);
}

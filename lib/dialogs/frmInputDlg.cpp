#include "frmInputDlg.h"
#include "DialogsRes.h"

frmInputDlg::frmInputDlg() : Dialog(LibModule(), IDD_frmInputDlg, L"frmInputDlg") {}

bool frmInputDlg::OnInit() {
    if (!m_title.empty()) SetWindowTextW(Hwnd(), m_title.c_str());
    SetDlgItemTextW(Hwnd(), IDC_lblPrompt, m_prompt.c_str());
    SendDlgItemMessageW(Hwnd(), IDC_txtInput, EM_LIMITTEXT, WPARAM(m_maxLength), 0);
    SetDlgItemTextW(Hwnd(), IDC_txtInput, m_text.c_str());
    SendDlgItemMessageW(Hwnd(), IDC_txtInput, EM_SETSEL, 0, -1);
    SendMessageW(Hwnd(), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(Item(IDC_txtInput)), TRUE);
    return false;
}

bool frmInputDlg::OnCommand(int id, int code, HWND) {
    if (code != BN_CLICKED || (id != IDC_btnOK && id != IDC_btnCancel)) return false;
    long ret = 0;
    if (id == IDC_btnOK) {
        std::wstring text(size_t(GetWindowTextLengthW(Item(IDC_txtInput))) + 1, L'\0');
        text.resize(size_t(GetDlgItemTextW(Hwnd(), IDC_txtInput, text.data(), int(text.size()))));
        if (text.size() > size_t(m_maxLength)) text.resize(size_t(m_maxLength));
        if (m_buffer) m_buffer->replace(0, std::min(text.size(), m_buffer->size()), text);
        ret = 1;
    }
    if (m_ret) *m_ret = ret;
    Close(id);
    return true;
}

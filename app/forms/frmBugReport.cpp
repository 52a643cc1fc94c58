#include "frmBugReport.h"
#include "Dialog.h"
#include "frmBugReportRes.h"
#include "mErrorReport.h"
#include "mGlobals.h"

namespace {
std::wstring ItemText(HWND item) {
    std::wstring text(size_t(GetWindowTextLengthW(item)) + 1, L'\0');
    text.resize(size_t(GetWindowTextW(item, text.data(), int(text.size()))));
    return text;
}

class frmBugReport final : public Dialog {
public:
    explicit frmBugReport(std::wstring text)
        : Dialog(GetModuleHandleW(nullptr), IDD_frmBugReport, L"frmBugReport"), m_text(std::move(text)) {}

private:
    bool OnInit() override {
        SetDlgItemTextW(Hwnd(), IDC_txtContent, m_text.c_str());
        std::wstring email = gIni()->Value(L"config", L"email");
        SetDlgItemTextW(Hwnd(), IDC_txtEmail, email.empty() ? L"@" : email.c_str());
        return true;
    }

    bool OnCommand(int id, int code, HWND) override {
        if (code != BN_CLICKED) return false;
        switch (id) {
        case IDC_btnOK:
            btnOK_Click();
            return true;
        case IDC_btnCancel:
            btnCancel_Click();
            return true;
        default:
            return false;
        }
    }

    void btnOK_Click() {
        auto ini = gIni();
        std::wstring email = ItemText(Item(IDC_txtEmail));
        ini->SetValue(L"msgdefault", L"BugReport", L"1");
        ini->SetValue(L"config", L"email", email);
        SendErrorReport(ItemText(Item(IDC_txtContent)), email);
        Close(1);
    }

    void btnCancel_Click() {
        gIni()->SetValue(L"msgdefault", L"BugReport", L"0");
        Close(0);
    }

    // However the window goes, the box is remembered; the close box leaves the last choice alone.
    bool OnMessage(UINT msg, WPARAM, LPARAM, LRESULT&) override {
        if (msg == WM_DESTROY) {
            bool deny = IsDlgButtonChecked(Hwnd(), IDC_chkDenyMsg) == BST_CHECKED;
            gIni()->SetValue(L"denymsg", L"BugReport", deny ? L"1" : L"0");
        }
        return false;
    }

    std::wstring m_text;
};
} // namespace

void ShowBugReport(const std::wstring& sText) {
    frmBugReport(sText).DoModal(nullptr);
}

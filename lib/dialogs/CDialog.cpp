#include "CDialog.h"
#include "CError.h"
#include "VbNumber.h"
#include "frmInputDlg.h"
#include "frmMsgDlg.h"

namespace {
constexpr long kObjectNotSet = 91;
const wchar_t kDenySection[] = L"denymsg";
const wchar_t kAnswerSection[] = L"msgdefault";

// A remembered answer that is not a number of the answer range counts as none.
long StoredAnswer(const std::wstring& text) {
    try {
        return ValLong(text);
    } catch (const CError&) {
        return 0;
    }
}

std::wstring Trimmed(const std::wstring& s) {
    size_t first = s.find_first_not_of(L' ');
    if (first == std::wstring::npos) return L"";
    return s.substr(first, s.find_last_not_of(L' ') - first + 1);
}
} // namespace

long CDialog::ShowMsgDlg(const std::wstring& sPrompt, long lStyle, const std::wstring& sTitle,
                         long* plChecked, const std::wstring& sMsgIniName, long lDefaultRet,
                         const std::wstring& sButton1Text, const std::wstring& sButton2Text,
                         const std::wstring& sButton3Text) {
    if (!sMsgIniName.empty()) {
        if (!m_ini)
            throw CError(kObjectNotSet, L"Object variable or With block variable not set", L"AxOrvelLib");
        if (m_ini->Value(kDenySection, sMsgIniName) == L"1")
            return lDefaultRet != 0 ? lDefaultRet : StoredAnswer(m_ini->Value(kAnswerSection, sMsgIniName));
    }
    frmMsgDlg dlg;
    dlg.SetTitle(sTitle);
    long checked = 0, answer = 0;
    dlg.SetCheckedRef(checked);
    dlg.SetRetRef(answer);
    dlg.Button1Text = sButton1Text;
    dlg.Button2Text = sButton2Text;
    dlg.Button3Text = sButton3Text;
    dlg.SetStyle(lStyle);
    dlg.SetPrompt(sPrompt);
    dlg.SetCheckFlags(plChecked ? *plChecked : MDS_UNCHECKED | MDS_CHECKBOX);
    dlg.DoModal();
    if (plChecked) *plChecked = checked;
    if (!sMsgIniName.empty()) {
        m_ini->SetValue(kDenySection, sMsgIniName, checked ? L"1" : L"0");
        m_ini->SetValue(kAnswerSection, sMsgIniName, std::to_wstring(answer));
    }
    return answer;
}

bool CDialog::ShowInputDlg(std::wstring& sInput, const std::wstring& sTitle, const std::wstring& sPrompt,
                           long lManLength) {
    if (lManLength < 0)
        throw CError(VbErr::InvalidProcedureCall, L"Invalid procedure call or argument", L"AxOrvelLib");
    std::wstring buffer(size_t(lManLength) + 1, L' ');
    frmInputDlg dlg;
    dlg.SetTitle(sTitle);
    dlg.SetMaxLength(lManLength);
    long ret = 0;
    dlg.SetInputRef(buffer);
    dlg.SetRetRef(ret);
    dlg.SetPrompt(sPrompt);
    dlg.SetText(sInput);
    dlg.DoModal();
    sInput = Trimmed(buffer);
    return ret != 0;
}

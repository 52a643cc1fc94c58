#include "mErrorReport.h"
#include "CDialog.h"
#include "CError.h"
#include "CMemIni.h"
#include "Dialog.h"
#include "VbNumber.h"
#include "frmBugReport.h"
#include "mFileSystem.h"
#include "mGlobals.h"
#include "Unique.h"
#include "Utf8.h"
#include <new>
#include <shellapi.h>

namespace {
// Set while the report window is open: an error inside it must not open another one, which
// could repeat without end.
bool g_reportShown = false;

// The content entry is one line of the report file: line breaks become the two characters \n.
std::wstring OneLine(const std::wstring& text) {
    std::wstring out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
        if (text[i] == L'\r' || text[i] == L'\n')
            out += L"\\n";
        else
            out += text[i];
    }
    return out;
}

void StartUpdater(const std::wstring& sArguments) {
    std::wstring program = gEnv().AppPath() + L"update.exe";
    SHELLEXECUTEINFOW sei{sizeof sei};
    sei.fMask = SEE_MASK_FLAG_NO_UI | SEE_MASK_NOASYNC;
    sei.lpFile = program.c_str();
    sei.lpParameters = sArguments.c_str();
    sei.nShow = SW_SHOWNORMAL;
    ShellExecuteExW(&sei);
}

void ShowPlainReport(const std::wstring& sText) {
    CDialog().ShowMsgDlg(sText, MB_ICONERROR, L"错误报告");
}
} // namespace

std::wstring ErrorReportText(const std::wstring& sObject, const std::wstring& sProcedure, long lNumber,
                             const std::wstring& sDescription, const std::wstring& sSource) {
    return L"在 " + sObject + L"." + sProcedure + L" 位置发生如下错误\r\n[" + std::to_wstring(lNumber) +
           L"]" + sDescription + L"\r\n源: " + sSource;
}

std::wstring ErrorReportText(const std::wstring& sObject, const std::wstring& sProcedure,
                             const std::exception& error) {
    if (auto* e = dynamic_cast<const CError*>(&error))
        return ErrorReportText(sObject, sProcedure, e->Number, e->Description, e->Source);
    if (dynamic_cast<const std::bad_alloc*>(&error))
        return ErrorReportText(sObject, sProcedure, 7, L"Out of memory", L"OrvelSync");
    return ErrorReportText(sObject, sProcedure, 0, FromUtf8(error.what()), L"OrvelSync");
}

void ReportError(const std::wstring& sText) {
    try {
        auto ini = gIni();
        if (Val(ini->Value(L"denymsg", L"BugReport")) != 0) {
            if (ini->Value(L"msgdefault", L"BugReport") == L"1")
                SendErrorReport(sText, ini->Value(L"config", L"email"));
            return;
        }
        if (g_reportShown) return ShowPlainReport(sText);
        g_reportShown = true;
        ScopeExit reset([] { g_reportShown = false; });
        ShowBugReport(sText);
    } catch (...) {
        // The report window could not be shown: the text still reaches the user.
        try {
            ShowPlainReport(sText);
        } catch (...) {
        }
    }
}

void SendErrorReport(const std::wstring& sText, const std::wstring& sEmail) {
    CMemIni report;
    report.SetValue(L"report", L"content", OneLine(sText));
    report.SetValue(L"report", L"email", sEmail);
    WriteTextFile(gEnv().AppPath() + L"report.dat", report.ToStr(), false);
    StartUpdater(L"-autoreport");
}

void InstallErrorReporter() {
    Dialog::SetErrorHook(
        [](const std::wstring& sObject, const std::wstring& sProcedure, const std::exception& e) {
            ReportError(ErrorReportText(sObject, sProcedure, e));
        });
}

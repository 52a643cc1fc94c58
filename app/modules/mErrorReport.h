#pragma once
// The error reporter. Every window handler that catches an error builds one report text and hands
// it over; the reporter shows the error-report window, or, once the user asked not to see it
// again, submits silently or drops the report according to the last choice made there.
//
// Its memory lives in the settings file: "denymsg"/"BugReport" ("1": do not show the window),
// "msgdefault"/"BugReport" ("1": the last choice was Submit) and "config"/"email".
#include <exception>
#include <string>

// "在 " object "." procedure " 位置发生如下错误" CR LF "[" number "]" description CR LF "源: " source
std::wstring ErrorReportText(const std::wstring& sObject, const std::wstring& sProcedure, long lNumber,
                             const std::wstring& sDescription, const std::wstring& sSource);
// The same for a caught exception: a CError gives its own number, description and source.
std::wstring ErrorReportText(const std::wstring& sObject, const std::wstring& sProcedure,
                             const std::exception& error);

// Never throws: the reporter is the last stop of every handler.
void ReportError(const std::wstring& sText);
// Writes "report.dat" beside the program (section "report": "content" on one line, "email") and
// starts the updater with "-autoreport". A report file that cannot be written or a missing
// updater is not looked at.
void SendErrorReport(const std::wstring& sText, const std::wstring& sEmail);

// Makes ReportError the window framework's error hook.
void InstallErrorReporter();

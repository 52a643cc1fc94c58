#pragma once
#include <string>

// The error-report window, modal and without owner, showing sText for the user to submit.
void ShowBugReport(const std::wstring& sText);

#pragma once
// Windows that the window-framework tests drive.
#define IDD_TestForm 9100
#define IDD_TestNoClass 9101
#define IDC_txtName 9110
#define IDC_btnGo 9111
#define IDC_btnThrow 9112

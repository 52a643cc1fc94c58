#pragma once
#define IDD_frmBugReport 2100
#define IDC_Label1 2101
#define IDC_txtContent 2102
#define IDC_Label2 2103
#define IDC_txtEmail 2104
#define IDC_Label3 2105
#define IDC_chkDenyMsg 2106
// Enter submits and Escape cancels, as the standard identifiers make them do.
#define IDC_btnOK 1     // IDOK
#define IDC_btnCancel 2 // IDCANCEL

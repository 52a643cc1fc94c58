#pragma once
// Resource identifiers of the library's message and input dialogs. The answer buttons use the
// standard answer codes as their identifiers, so a button's identifier is its answer.
#define IDD_frmMsgDlg 1100
#define IDC_lblPrompt 1101
#define IDC_Check1 1102
#define IDC_imgInfo 1103
#define IDC_imgExclaim 1104
#define IDC_imgQuestion 1105
#define IDC_btnOK 1     // IDOK
#define IDC_btnCancel 2 // IDCANCEL
#define IDC_btnYes 6    // IDYES
#define IDC_btnNo 7     // IDNO

#define IDD_frmInputDlg 1120
#define IDC_txtInput 1121

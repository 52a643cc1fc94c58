#pragma once
// The library's dialog service: message dialogs with a "do not ask again" box whose answer is
// remembered in the settings file, and a one-line input dialog. Both are modal and block only
// this thread's windows; the message loop keeps running while they are open.
//
// Remembered answers: section "denymsg", key = message key, "1" silences the message (nothing
// else does); section "msgdefault" holds the answer given the last time it was shown.
#include "CApiIni.h"
#include "LibApi.h"
#include <memory>
#include <string>

// Check-box flags handed in through plChecked.
enum eMsgDlgStyle : long {
    MDS_CHECKED = 1,   // the box starts ticked
    MDS_UNCHECKED = 2, // named only: the box starts clear whenever MDS_CHECKED is absent
    MDS_CHECKBOX = 4,  // the box is shown
};

class AXORVELLIB_API CDialog {
public:
    // The settings accessor; shared, never closed or replaced here.
    void SetIni(std::shared_ptr<CApiIni> ini) { m_ini = std::move(ini); }

    // Shows sPrompt and returns the answer: 1 OK, 2 Cancel, 6 Yes, 7 No, 0 closed without a
    // button. lStyle takes message-box style numbers (button set, picture, default button).
    // plChecked, when given, holds eMsgDlgStyle flags on entry (else 6: box shown, clear) and
    // receives the box's final state (1 or 0). With a key, a silenced message returns
    // lDefaultRet when that is not 0, else the remembered answer, without showing anything.
    // The button texts replace the captions of the first, second and third button when not empty.
    // A key without SetIni raises 91.
    long ShowMsgDlg(const std::wstring& sPrompt, long lStyle = 0, const std::wstring& sTitle = L"",
                    long* plChecked = nullptr, const std::wstring& sMsgIniName = L"", long lDefaultRet = 0,
                    const std::wstring& sButton1Text = L"", const std::wstring& sButton2Text = L"",
                    const std::wstring& sButton3Text = L"");

    // Asks for one line, starting with sInput. Confirmed: sInput becomes the entry cut to
    // lManLength characters, blanks around it removed, and the result is true. Cancelled or
    // closed: sInput becomes empty and the result is false.
    bool ShowInputDlg(std::wstring& sInput, const std::wstring& sTitle = L"",
                      const std::wstring& sPrompt = L"", long lManLength = 255);

private:
    std::shared_ptr<CApiIni> m_ini;
};

#pragma once
// The message dialog behind CDialog::ShowMsgDlg: a prompt, a picture, up to three answer buttons
// with custom captions and the "do not ask again" box. Loaded for one call.
#include "Dialog.h"
#include <string>

class frmMsgDlg : public Dialog {
public:
    frmMsgDlg();

    std::wstring Button1Text, Button2Text, Button3Text;
    // The caller's variables: a button writes the box's state (0 or 1) and its answer code into
    // them; closing the window otherwise writes neither.
    void SetCheckedRef(long& checked) { m_checked = &checked; }
    void SetRetRef(long& ret) { m_ret = &ret; }
    void SetStyle(long lStyle) { m_style = lStyle; }
    void SetTitle(const std::wstring& sTitle) { m_title = sTitle; }
    void SetPrompt(const std::wstring& sPrompt) { m_prompt = sPrompt; }
    // eMsgDlgStyle flags: whether the box is shown and whether it starts ticked.
    void SetCheckFlags(long flags) { m_flags = flags; }

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    int ShowButtons();
    void SetPicture();
    void Arrange();
    void Answer(int button);

    long* m_checked = nullptr;
    long* m_ret = nullptr;
    long m_style = 0;
    long m_flags = 0;
    std::wstring m_title, m_prompt;
};

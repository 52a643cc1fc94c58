#pragma once
// The one-line input dialog behind CDialog::ShowInputDlg. Loaded for one call.
#include "Dialog.h"
#include <string>

class frmInputDlg : public Dialog {
public:
    frmInputDlg();

    // Also limits typing in the text box.
    void SetMaxLength(long lMaxLength) { m_maxLength = lMaxLength; }
    // The caller's buffer: OK copies the text, cut to MaxLength, over its start.
    void SetInputRef(std::wstring& buffer) { m_buffer = &buffer; }
    // The caller's result: 1 after OK, 0 after Cancel; untouched when the window is closed.
    void SetRetRef(long& ret) { m_ret = &ret; }
    void SetTitle(const std::wstring& sTitle) { m_title = sTitle; }
    void SetPrompt(const std::wstring& sPrompt) { m_prompt = sPrompt; }
    void SetText(const std::wstring& sText) { m_text = sText; }

protected:
    bool OnInit() override;
    bool OnCommand(int id, int code, HWND control) override;

private:
    long m_maxLength = 255;
    std::wstring* m_buffer = nullptr;
    long* m_ret = nullptr;
    std::wstring m_title, m_prompt, m_text;
};

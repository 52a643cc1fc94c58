#pragma once
// Developer trace: each line is appended to the edit field of an open Notepad window titled
// "debug.log - 记事本", looked up once by Initialze. Without that window the trace is lost.
#include "LibApi.h"
#include <string>
#include <windows.h>

class AXORVELLIB_API CDebug {
public:
    long Mode() const { return m_mode; }
    void SetMode(long value) { m_mode = value; }

    // Sets the mode and looks up the target, whatever the mode; returns 0.
    long Initialze(long lMode);
    // In mode 1 appends S and CR LF to the target; returns 0.
    long Output(const std::wstring& S) const;

private:
    long m_mode = 0;
    HWND m_target = nullptr;
};

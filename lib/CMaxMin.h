#pragma once
// Limits the size to which the user can drag a window. The host window passes its messages to
// SubclassingProc and returns 0 for WM_GETMINMAXINFO when it answers true.
#include "LibApi.h"
#include <windows.h>

class AXORVELLIB_API CMaxMin {
public:
    // Pixels; -1 or 0 means no limit. A minimum applies when minX > 0, a maximum when maxX > 0.
    long Initialize(long minX = -1, long minY = -1, long maxX = -1, long maxY = -1);
    bool SubclassingProc(HWND hwnd, UINT uMsg, WPARAM wParam, LPARAM lParam) const;

private:
    long m_minX = -1, m_minY = -1, m_maxX = -1, m_maxY = -1;
};

#pragma once
// Lets a window accept files dropped from the file manager and reports each drop in one event,
// with full paths of any length. The host window passes its messages to SubclassingProc.
#include "LibApi.h"
#include <functional>
#include <string>
#include <vector>
#include <windows.h>

class AXORVELLIB_API CFileDragDrop {
public:
    CFileDragDrop() = default;
    ~CFileDragDrop(); // the window stops accepting drops
    CFileDragDrop(const CFileDragDrop&) = delete;
    CFileDragDrop& operator=(const CFileDragDrop&) = delete;

    long Initialize(HWND hwnd);
    // Acts on WM_DROPFILES only; always 0.
    long SubclassingProc(HWND hwnd, UINT MSG, WPARAM wParam, LPARAM lParam);

    // sFiles[0 .. lFileCount - 1].
    std::function<void(long lFileCount, const std::vector<std::wstring>& sFiles)> FileDraged;

private:
    HWND m_window = nullptr;
};

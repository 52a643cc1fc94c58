#include "CFileDragDrop.h"
#include "Unique.h"
#include <shellapi.h>

CFileDragDrop::~CFileDragDrop() {
    if (m_window && IsWindow(m_window)) DragAcceptFiles(m_window, FALSE);
}

long CFileDragDrop::Initialize(HWND hwnd) {
    m_window = hwnd;
    DragAcceptFiles(hwnd, TRUE);
    return 0;
}

long CFileDragDrop::SubclassingProc(HWND, UINT MSG, WPARAM wParam, LPARAM) {
    if (MSG != WM_DROPFILES) return 0;
    auto drop = reinterpret_cast<HDROP>(wParam);
    ScopeExit finish([drop] { DragFinish(drop); });
    UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
    std::vector<std::wstring> files;
    for (UINT i = 0; i < count; ++i) {
        std::wstring path(size_t(DragQueryFileW(drop, i, nullptr, 0)) + 1, L'\0');
        path.resize(DragQueryFileW(drop, i, path.data(), UINT(path.size())));
        files.push_back(std::move(path));
    }
    if (FileDraged) FileDraged(long(count), files);
    return 0;
}

#include "CMaxMin.h"

long CMaxMin::Initialize(long minX, long minY, long maxX, long maxY) {
    m_minX = minX;
    m_minY = minY;
    m_maxX = maxX;
    m_maxY = maxY;
    return 0;
}

bool CMaxMin::SubclassingProc(HWND, UINT uMsg, WPARAM, LPARAM lParam) const {
    if (uMsg != WM_GETMINMAXINFO) return false;
    auto* info = reinterpret_cast<MINMAXINFO*>(lParam);
    if (m_minX > 0) info->ptMinTrackSize = {m_minX, m_minY};
    if (m_maxX > 0) info->ptMaxTrackSize = {m_maxX, m_maxY};
    return true;
}

#include "AnchorLayout.h"

namespace {
// One axis: a near-only anchor keeps the position, far-only moves with the edge, both stretch.
void Stretch(LONG& lo, LONG& hi, bool nearSide, bool farSide, int delta) {
    if (farSide) {
        hi += delta;
        if (!nearSide) lo += delta;
    }
}
} // namespace

void AnchorLayout::Capture(HWND window, std::initializer_list<ControlAnchor> anchors) {
    m_window = window;
    RECT client{};
    GetClientRect(window, &client);
    m_start = {client.right, client.bottom};
    m_entries.clear();
    for (const auto& a : anchors) {
        HWND control = GetDlgItem(window, a.id);
        if (!control) continue;
        RECT r{};
        GetWindowRect(control, &r);
        MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&r), 2);
        m_entries.push_back({control, a.sides, r});
    }
}

void AnchorLayout::Apply(int cx, int cy) const {
    if (m_entries.empty()) return;
    HDWP dwp = BeginDeferWindowPos(int(m_entries.size()));
    for (const auto& e : m_entries) {
        RECT r = e.start;
        Stretch(r.left, r.right, e.sides & ANCHOR_LEFT, e.sides & ANCHOR_RIGHT, cx - m_start.cx);
        Stretch(r.top, r.bottom, e.sides & ANCHOR_TOP, e.sides & ANCHOR_BOTTOM, cy - m_start.cy);
        if (dwp)
            dwp = DeferWindowPos(dwp, e.control, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                                 SWP_NOZORDER | SWP_NOACTIVATE);
    }
    if (dwp) EndDeferWindowPos(dwp);
    InvalidateRect(m_window, nullptr, TRUE);
}

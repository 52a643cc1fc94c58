#pragma once
// Resizing by anchors: each control keeps its distance to the window edges it is anchored to.
// A control anchored left and right stretches; anchored right only, it moves.
#include "LibApi.h"
#include <initializer_list>
#include <vector>
#include <windows.h>

enum AnchorSides : unsigned {
    ANCHOR_LEFT = 1,
    ANCHOR_TOP = 2,
    ANCHOR_RIGHT = 4,
    ANCHOR_BOTTOM = 8,
    ANCHOR_ALL = 15,
};

struct ControlAnchor {
    int id;
    unsigned sides;
};

class AXORVELLIB_API AnchorLayout {
public:
    // Records where the controls stand now, relative to the window's current client area.
    void Capture(HWND window, std::initializer_list<ControlAnchor> anchors);
    // Moves and sizes the recorded controls for a client area of cx by cy.
    void Apply(int cx, int cy) const;

private:
    struct Entry {
        HWND control;
        unsigned sides;
        RECT start;
    };
    HWND m_window = nullptr;
    SIZE m_start{};
    std::vector<Entry> m_entries;
};

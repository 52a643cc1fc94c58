#pragma once
// Window odds and ends shared by every window: menus popped up at the mouse, and the window's
// placement kept in the settings file, one section per window named after the window.
//
// Placement keys: "state" (0 normal, 1 minimised, 2 maximised) always; "x", "y", "cx", "cy" (the
// outer rectangle in twips, as the files of earlier versions hold them) only for a normal window,
// so a minimised or maximised window keeps its last normal placement.
#include "CApiIni.h"
#include "LibApi.h"
#include <memory>
#include <windows.h>

class Dialog;

class AXORVELLIB_API CMisc {
public:
    // The settings accessor; shared, never closed or replaced here.
    void SetIni(std::shared_ptr<CApiIni> ini) { m_ini = std::move(ini); }

    // Shows oMenu at the mouse position; flag takes the TrackPopupMenu alignment and button
    // flags; oDefaultMenu, a command identifier, is shown bold for this pop-up when not -1.
    void PopupMenu(HWND oForm, HMENU oMenu, UINT flag = 0, int oDefaultMenu = -1) const;

    // Restores the stored placement: absent keys leave the window as it is, and a window that
    // would end up on no monitor is brought onto the primary one. A window not shown yet takes
    // the state when it is first shown.
    void LoadFormSetting(Dialog& oForm) const;
    void SaveFormSetting(const Dialog& oForm) const;

private:
    const CApiIni& Ini() const;
    std::shared_ptr<CApiIni> m_ini;
};

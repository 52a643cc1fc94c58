#include "CDeviceChange.h"
#include <cstddef>
#include <cstring>
#include <dbt.h>

namespace {
// The header and the fields that follow it, as the record is published; a record that claims to
// be shorter than that is not read past its end.
constexpr DWORD kVolumeRecordSize = offsetof(DEV_BROADCAST_VOLUME, dbcv_flags) + sizeof(WORD);
} // namespace

LRESULT CDeviceChange::SubclassingProc(HWND, UINT uMsg, WPARAM wParam, LPARAM lParam) const {
    if (uMsg != WM_DEVICECHANGE || (wParam != DBT_DEVICEARRIVAL && wParam != DBT_DEVICEREMOVECOMPLETE))
        return 0;
    if (!lParam) return 0;
    DEV_BROADCAST_HDR header;
    std::memcpy(&header, reinterpret_cast<const void*>(lParam), sizeof header);
    if (header.dbch_devicetype != DBT_DEVTYP_VOLUME || header.dbch_size < kVolumeRecordSize) return 0;
    DEV_BROADCAST_VOLUME volume{};
    std::memcpy(&volume, reinterpret_cast<const void*>(lParam), kVolumeRecordSize);
    long bits = long(volume.dbcv_unitmask);
    long type = long(static_cast<short>(volume.dbcv_flags));
    const VolumeHandler& handler = wParam == DBT_DEVICEARRIVAL ? VolumeArrived : VolumeRemoved;
    if (handler) handler(bits, type);
    return 0;
}

void CDeviceChange::GetDriveName(long lUnitMask, std::vector<std::wstring>& sDrivers, long& lCount) {
    lCount = 0;
    sDrivers.assign(1, std::wstring());
    unsigned long mask = static_cast<unsigned long>(lUnitMask);
    for (int position = 0; position < 26; ++position, mask >>= 1) {
        if (!(mask & 1)) continue;
        sDrivers[lCount++] = std::wstring(1, wchar_t(L'A' + position));
        sDrivers.emplace_back();
    }
}

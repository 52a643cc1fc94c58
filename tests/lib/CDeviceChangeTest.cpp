// Volume broadcasts delivered to a real window, the way the system sends them.
#include "CDeviceChange.h"
#include "TestWindows.h"
#include <dbt.h>
#include <gtest/gtest.h>

namespace {
struct Event {
    char kind;
    long bits, type;
    bool operator==(const Event&) const = default;
};

class CDeviceChangeTest : public ::testing::Test {
protected:
    CDeviceChangeTest() {
        device.VolumeArrived = [this](long bits, long type) { events.push_back({'+', bits, type}); };
        device.VolumeRemoved = [this](long bits, long type) { events.push_back({'-', bits, type}); };
    }
    LRESULT Broadcast(WPARAM event, const void* record) const {
        return SendMessageW(window.Get(), WM_DEVICECHANGE, event, reinterpret_cast<LPARAM>(record));
    }
    static DEV_BROADCAST_VOLUME Volume(DWORD mask, WORD flags) {
        DEV_BROADCAST_VOLUME v{};
        v.dbcv_size = sizeof v;
        v.dbcv_devicetype = DBT_DEVTYP_VOLUME;
        v.dbcv_unitmask = mask;
        v.dbcv_flags = flags;
        return v;
    }

    CDeviceChange device;
    std::vector<Event> events;
    LRESULT answered = -1;
    TestWindow window{L"OrvelDeviceTest", L"",
                      [this](HWND h, UINT m, WPARAM w, LPARAM l) {
                          if (m == WM_DEVICECHANGE) answered = device.SubclassingProc(h, m, w, l);
                      },
                      HWND_MESSAGE};
};
} // namespace

TEST_F(CDeviceChangeTest, VolumeBroadcastsRaiseTheirEvents) {
    auto usb = Volume(0x10, 0), two = Volume(0x14, DBTF_MEDIA), net = Volume(0x800, DBTF_NET),
         odd = Volume(0x1, 0x8001);
    Broadcast(DBT_DEVICEARRIVAL, &usb);
    EXPECT_EQ(answered, 0);
    Broadcast(DBT_DEVICEARRIVAL, &two);
    Broadcast(DBT_DEVICEARRIVAL, &net);
    Broadcast(DBT_DEVICEREMOVECOMPLETE, &usb);
    Broadcast(DBT_DEVICEARRIVAL, &odd); // the flags word is read as a signed number
    EXPECT_EQ(events,
              (std::vector<Event>{
                  {'+', 0x10, 0}, {'+', 0x14, 1}, {'+', 0x800, 2}, {'-', 0x10, 0}, {'+', 0x1, -32767}}));
}

TEST_F(CDeviceChangeTest, OtherBroadcastsRaiseNothing) {
    DEV_BROADCAST_PORT_W port{};
    port.dbcp_size = sizeof port;
    port.dbcp_devicetype = DBT_DEVTYP_PORT;
    auto volume = Volume(0x10, 0);
    auto truncated = volume;
    truncated.dbcv_size = sizeof(DEV_BROADCAST_HDR); // claims to end before the unit mask

    Broadcast(DBT_DEVICEARRIVAL, &port);
    Broadcast(DBT_DEVICEARRIVAL, nullptr);
    Broadcast(DBT_DEVICEREMOVECOMPLETE, nullptr);
    Broadcast(DBT_DEVICEARRIVAL, &truncated);
    Broadcast(DBT_DEVICEQUERYREMOVE, &volume);
    Broadcast(DBT_DEVNODES_CHANGED, nullptr);
    device.SubclassingProc(window.Get(), WM_SIZE, DBT_DEVICEARRIVAL, reinterpret_cast<LPARAM>(&volume));
    EXPECT_TRUE(events.empty());
    EXPECT_EQ(answered, 0);
}

TEST(CDeviceChange, GetDriveNameGivesOneLetterPerBitAndAnEmptyTail) {
    struct Case {
        long mask;
        std::vector<std::wstring> drives;
    } cases[] = {
        {0x10, {L"E", L""}},      {0x14, {L"C", L"E", L""}},        {0, {L""}},
        {0x3, {L"A", L"B", L""}}, {long(0xFE000000u), {L"Z", L""}}, // Z; the bits above it are no drives
    };
    for (const auto& c : cases) {
        std::vector<std::wstring> drives{L"stale", L"entries"};
        long count = -1;
        CDeviceChange::GetDriveName(c.mask, drives, count);
        EXPECT_EQ(drives, c.drives) << std::hex << c.mask;
        EXPECT_EQ(count, long(c.drives.size()) - 1);
    }
}

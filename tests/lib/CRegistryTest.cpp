// The registry of the test prefix, under both roots the program uses.
#include "CError.h"
#include "CRegistry.h"
#include "TestWindows.h"
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace {
struct Root {
    HKEY key;
    const char* name;
    std::wstring number;
};
const Root kRoots[] = {{HKEY_CURRENT_USER, "HKCU", L"-2147483647"},
                       {HKEY_LOCAL_MACHINE, "HKLM", L"-2147483646"}};

class CRegistryTest : public ::testing::TestWithParam<Root> {
protected:
    void TearDown() override {
        RegDeleteTreeW(root(), base.c_str());
        RegDeleteKeyW(root(), L"Software\\OrvelSyncTest"); // stays while other tests use it
    }
    HKEY root() const { return GetParam().key; }
    std::wstring Key(const std::wstring& rel = L"") const { return rel.empty() ? base : base + L"\\" + rel; }
    DWORD StoredType(const std::wstring& name) const {
        DWORD type = REG_NONE;
        if (RegGetValueW(root(), base.c_str(), name.c_str(), RRF_RT_ANY | RRF_NOEXPAND, &type, nullptr,
                         nullptr))
            return REG_NONE;
        return type;
    }
    void Store(const std::wstring& name, DWORD type, const void* data, DWORD size) const {
        ASSERT_EQ(RegSetKeyValueW(root(), base.c_str(), name.c_str(), type, data, size), ERROR_SUCCESS);
    }
    CError RaisedBy(const std::function<void()>& call) const {
        try {
            call();
        } catch (const CError& e) {
            return e;
        }
        ADD_FAILURE() << "no error raised";
        return CError(0, L"", L"");
    }

    std::wstring base = L"Software\\OrvelSyncTest\\" + UniqueName(L"reg");
    CRegistry reg;
};

std::wstring Env(const wchar_t* name) {
    wchar_t buf[512];
    return std::wstring(buf, GetEnvironmentVariableW(name, buf, 512));
}
} // namespace

TEST_P(CRegistryTest, ValuesWrittenComeBackByTheirStoredType) {
    struct Case {
        const wchar_t* name;
        RegValue written;
        DWORD asType, storedType;
        RegValue read;
    } cases[] = {
        {L"chinese", std::wstring(L"同步到移动硬盘\"E:\\资料\""), REG_SZ, REG_SZ,
         std::wstring(L"同步到移动硬盘\"E:\\资料\"")},
        {L"empty", std::wstring(), REG_SZ, REG_SZ, std::wstring()},
        {L"variable", std::wstring(L"%SystemRoot%\\a"), REG_SZ, REG_EXPAND_SZ, Env(L"SystemRoot") + L"\\a"},
        {L"percent", std::wstring(L"100%"), REG_SZ, REG_SZ, std::wstring(L"100%")},
        {L"adjacent", std::wstring(L"a%%b"), REG_EXPAND_SZ, REG_SZ, std::wstring(L"a%%b")},
        {L"unknown", std::wstring(L"%NoSuchOrvelVariable%"), REG_SZ, REG_EXPAND_SZ,
         std::wstring(L"%NoSuchOrvelVariable%")},
        {L"number", int32_t(-5), REG_SZ, REG_SZ, std::wstring(L"-5")},
        {L"long", int32_t(-5), REG_DWORD, REG_DWORD, int32_t(-5)},
        {L"integer", int16_t(-2), REG_DWORD_BIG_ENDIAN, REG_DWORD, int32_t(-2)},
        {L"textAsDword", std::wstring(L"12"), REG_DWORD, REG_NONE, RegValue()},
        {L"multi", std::wstring(L"a"), REG_MULTI_SZ, REG_NONE, RegValue()},
        {L"binary", std::vector<uint8_t>{0, 1, 0xFF}, REG_BINARY, REG_BINARY,
         std::vector<uint8_t>{0, 1, 0xFF}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "value " << c.name);
        reg.SetValue(root(), Key(), c.name, c.written, c.asType);
        EXPECT_EQ(StoredType(c.name), c.storedType);
        EXPECT_EQ(reg.Value(root(), Key(), c.name), c.read);
    }
}

TEST_P(CRegistryTest, ValuesStoredByOthersAreReadByTheirType) {
    const BYTE bigEndian[] = {0x00, 0x00, 0x01, 0x02};
    Store(L"big", REG_DWORD_BIG_ENDIAN, bigEndian, sizeof bigEndian);
    const wchar_t multi[] = L"a\0b\0";
    Store(L"multi", REG_MULTI_SZ, multi, sizeof multi);
    Store(L"unterminated", REG_SZ, L"abc", 6);
    const BYTE raw[] = {1, 2, 3};
    Store(L"raw", REG_RESOURCE_LIST, raw, sizeof raw);

    EXPECT_EQ(reg.Value(root(), Key(), L"big"), RegValue(int32_t(0x102)));
    EXPECT_EQ(reg.Value(root(), Key(), L"multi"), RegValue(std::wstring(L"a\0b\0", 4)));
    EXPECT_EQ(reg.Value(root(), Key(), L"unterminated"), RegValue(std::wstring(L"abc")));
    EXPECT_EQ(reg.Value(root(), Key(), L"raw"), RegValue(std::vector<uint8_t>{1, 2, 3}));
}

TEST_P(CRegistryTest, UnreadableValuesYieldDefault) {
    reg.CreateKey(root(), Key());
    RegValue missing = reg.Value(root(), Key(), L"missing");
    EXPECT_TRUE(std::holds_alternative<std::monostate>(missing));
    EXPECT_EQ(RegValueText(missing), L"");
    reg.SetDefault(std::wstring(L"默认"));
    EXPECT_EQ(reg.Value(root(), Key(), L"missing"), reg.Default());
    EXPECT_EQ(reg.Value(root(), Key(L"no\\such\\key"), L"x"), reg.Default());
}

TEST_P(CRegistryTest, KeysAreCreatedListedAndDeleted) {
    EXPECT_FALSE(reg.KeyExists(root(), Key()));
    reg.CreateMultiKey(root(), Key(L"one\\two\\three"));
    EXPECT_TRUE(reg.KeyExists(root(), Key(L"one\\two\\three")));
    EXPECT_TRUE(reg.CreateKey(root(), Key(L"同步")));
    EXPECT_TRUE(reg.CreateKey(root(), Key(L"同步"))) << "an existing key opens";
    reg.SetValue(root(), Key(), L"b", std::wstring(L"1"));
    reg.SetValue(root(), Key(), L"值", std::wstring(L"2"));

    std::vector<std::wstring> names;
    long count = -1;
    EXPECT_TRUE(reg.EnumerateSections(root(), Key(), names, count));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"one", L"同步"}));
    EXPECT_EQ(count, 2);
    EXPECT_TRUE(reg.EnumerateValues(root(), Key(), names, count));
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::wstring>{L"b", L"值"}));
    EXPECT_EQ(count, 2);
    EXPECT_FALSE(reg.EnumerateValues(root(), Key(L"none"), names, count));
    EXPECT_EQ(count, 0);

    EXPECT_TRUE(reg.DeleteValue(root(), Key(), L"b"));
    EXPECT_FALSE(reg.DeleteValue(root(), Key(), L"b")) << "already gone";
    EXPECT_TRUE(reg.DeleteKey(root(), Key(L"同步")));
    EXPECT_FALSE(reg.KeyExists(root(), Key(L"同步")));
}

TEST_P(CRegistryTest, FailuresRaise26001WithTheirDescription) {
    const std::wstring missing = Key(L"missing");
    const std::wstring& n = GetParam().number;
    CError e = RaisedBy([&] { reg.DeleteKey(root(), missing); });
    EXPECT_EQ(e.Number, 26001);
    EXPECT_EQ(e.Source, L"AxOrvelLib.cRegistry");
    EXPECT_EQ(e.Description, L"Failed to delete registry Key: '" + n + L"',Section: '" + missing);

    e = RaisedBy([&] { reg.DeleteValue(root(), missing, L"v"); });
    EXPECT_EQ(e.Number, 26001);
    EXPECT_EQ(e.Description,
              L"Failed to open key '" + n + L"',Section: '" + missing + L"' for delete access");

    // A key name longer than the registry allows cannot be created.
    const std::wstring tooLong = Key(std::wstring(300, L'k'));
    e = RaisedBy([&] { reg.CreateKey(root(), tooLong); });
    EXPECT_EQ(e.Number, 26001);
    EXPECT_EQ(e.Source, L"AxOrvelLib.cRegistry");
    EXPECT_EQ(e.Description, L"Failed to create registry Key: '" + tooLong);

    e = RaisedBy([&] { reg.SetValue(root(), tooLong, L"v", int32_t(42)); });
    EXPECT_EQ(e.Number, 26001);
    EXPECT_EQ(e.Description, L"Failed to set registry value Key: '" + n + L"',Section: '" + tooLong +
                                 L"',Key: 'v' to value: '42'");
}

INSTANTIATE_TEST_SUITE_P(Roots, CRegistryTest, ::testing::ValuesIn(kRoots),
                         [](const auto& info) { return std::string(info.param.name); });

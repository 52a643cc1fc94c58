#include "CRegistry.h"
#include "CError.h"
#include "Unique.h"
#include <algorithm>
#include <cstring>
#include <optional>

namespace {
const wchar_t* const kSource = L"AxOrvelLib.cRegistry";
constexpr REGSAM kValueAccess = KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY;

[[noreturn]] void Raise(const std::wstring& description) {
    throw CError(CRegistry::kError, description, kSource);
}

std::wstring RootNumber(HKEY root) {
    return std::to_wstring(static_cast<long>(reinterpret_cast<LONG_PTR>(root)));
}

UniqueRegKey OpenKey(HKEY root, const std::wstring& path, REGSAM access) {
    UniqueRegKey key;
    if (RegOpenKeyExW(root, path.c_str(), 0, access, key.Put()) != ERROR_SUCCESS) key.Reset();
    return key;
}

UniqueRegKey CreateOrOpen(HKEY root, const std::wstring& path) {
    UniqueRegKey key;
    if (RegCreateKeyExW(root, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, kValueAccess, nullptr,
                        key.Put(), nullptr) != ERROR_SUCCESS)
        key.Reset();
    return key;
}

// The stored bytes and type; retried when the value grows between the size query and the read.
bool ReadRaw(HKEY key, const std::wstring& name, DWORD& type, std::vector<BYTE>& data) {
    for (int attempt = 0; attempt < 8; ++attempt) {
        DWORD size = 0;
        LSTATUS r = RegQueryValueExW(key, name.c_str(), nullptr, &type, nullptr, &size);
        if (r != ERROR_SUCCESS && r != ERROR_MORE_DATA) return false;
        data.resize(size);
        r = RegQueryValueExW(key, name.c_str(), nullptr, &type, data.data(), &size);
        if (r == ERROR_SUCCESS) {
            data.resize(size);
            return true;
        }
        if (r != ERROR_MORE_DATA) return false;
    }
    return false;
}

std::wstring StoredText(const std::vector<BYTE>& data) {
    std::wstring text(data.size() / sizeof(wchar_t), L'\0');
    std::memcpy(text.data(), data.data(), text.size() * sizeof(wchar_t));
    if (!text.empty() && text.back() == L'\0') text.pop_back();
    return text;
}

std::wstring Expand(const std::wstring& text) {
    std::wstring out(text.size() + 1, L'\0');
    for (;;) {
        DWORD n = ExpandEnvironmentStringsW(text.c_str(), out.data(), DWORD(out.size()));
        if (n == 0) return text;
        if (n <= out.size()) {
            out.resize(n - 1);
            return out;
        }
        out.resize(n);
    }
}

int32_t StoredDword(const std::vector<BYTE>& data, bool bigEndian) {
    uint32_t v = 0;
    std::memcpy(&v, data.data(), std::min<size_t>(data.size(), sizeof v));
    if (bigEndian) v = __builtin_bswap32(v);
    return static_cast<int32_t>(v);
}

RegValue Interpret(DWORD type, const std::vector<BYTE>& data) {
    switch (type) {
    case REG_SZ:
    case REG_MULTI_SZ:
        return StoredText(data);
    case REG_EXPAND_SZ:
        return Expand(StoredText(data));
    case REG_DWORD:
    case REG_DWORD_BIG_ENDIAN:
        return StoredDword(data, type == REG_DWORD_BIG_ENDIAN);
    default:
        return std::vector<uint8_t>(data.begin(), data.end());
    }
}

bool HoldsVariable(const std::wstring& text) {
    size_t first = text.find(L'%');
    return first != std::wstring::npos && text.find(L'%', first + 2) != std::wstring::npos;
}

struct Encoded {
    DWORD type;
    std::vector<BYTE> bytes;
};

std::optional<Encoded> Encode(const RegValue& value, DWORD type) {
    if (type == REG_SZ || type == REG_EXPAND_SZ) {
        std::wstring text = RegValueText(value);
        const BYTE* p = reinterpret_cast<const BYTE*>(text.c_str());
        return Encoded{HoldsVariable(text) ? DWORD(REG_EXPAND_SZ) : DWORD(REG_SZ),
                       std::vector<BYTE>(p, p + (text.size() + 1) * sizeof(wchar_t))};
    }
    if (type == REG_DWORD || type == REG_DWORD_BIG_ENDIAN) {
        int32_t n;
        if (auto* s = std::get_if<int16_t>(&value))
            n = *s;
        else if (auto* l = std::get_if<int32_t>(&value))
            n = *l;
        else
            return std::nullopt;
        std::vector<BYTE> bytes(sizeof n);
        std::memcpy(bytes.data(), &n, sizeof n);
        return Encoded{REG_DWORD, std::move(bytes)};
    }
    if (type == REG_BINARY) {
        if (auto* b = std::get_if<std::vector<uint8_t>>(&value))
            return Encoded{REG_BINARY, {b->begin(), b->end()}};
    }
    return std::nullopt;
}

// Lists names through one enumerating call, sized by the longest name the key reports.
template <class EnumOne>
bool EnumerateNames(UniqueRegKey key, bool values, std::vector<std::wstring>& names, long& count,
                    EnumOne enumOne) {
    names.clear();
    count = 0;
    if (!key) return false;
    DWORD subKeys = 0, maxSubKey = 0, valueCount = 0, maxValueName = 0;
    if (RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, &subKeys, &maxSubKey, nullptr, &valueCount,
                         &maxValueName, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        return false;
    std::wstring buf(std::max(values ? maxValueName : maxSubKey, DWORD(255)) + 1, L'\0');
    for (DWORD i = 0;;) {
        DWORD len = DWORD(buf.size());
        LSTATUS r = enumOne(key.Get(), i, buf.data(), &len);
        if (r == ERROR_NO_MORE_ITEMS) break;
        if (r == ERROR_MORE_DATA && buf.size() < 65536) { // the key changed since it was measured
            buf.resize(buf.size() * 2);
            continue;
        }
        if (r != ERROR_SUCCESS) return false;
        names.emplace_back(buf.data(), len);
        ++i;
    }
    count = long(names.size());
    return true;
}
} // namespace

std::wstring RegValueText(const RegValue& value) {
    if (auto* s = std::get_if<std::wstring>(&value)) return *s;
    if (auto* i = std::get_if<int16_t>(&value)) return std::to_wstring(*i);
    if (auto* l = std::get_if<int32_t>(&value)) return std::to_wstring(*l);
    if (auto* b = std::get_if<std::vector<uint8_t>>(&value)) return StoredText({b->begin(), b->end()});
    return L"";
}

bool CRegistry::KeyExists(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey) const {
    return bool(OpenKey(hClassKey, sSectionKey, KEY_QUERY_VALUE));
}

void CRegistry::CreateMultiKey(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey) const {
    std::wstring path = sSectionKey;
    if (path.empty() || path.back() != L'\\') path += L'\\';
    for (size_t pos = path.find(L'\\'); pos != std::wstring::npos; pos = path.find(L'\\', pos + 1)) {
        std::wstring part = path.substr(0, pos);
        if (!KeyExists(hClassKey, part)) CreateKey(hClassKey, part);
    }
}

bool CRegistry::CreateKey(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey) const {
    if (!CreateOrOpen(hClassKey, sSectionKey)) Raise(L"Failed to create registry Key: '" + sSectionKey);
    return true;
}

bool CRegistry::DeleteKey(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey) const {
    if (RegDeleteKeyW(hClassKey, sSectionKey.c_str()) != ERROR_SUCCESS)
        Raise(L"Failed to delete registry Key: '" + RootNumber(hClassKey) + L"',Section: '" + sSectionKey);
    return true;
}

bool CRegistry::DeleteValue(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey,
                            const std::wstring& sValueKey) const {
    UniqueRegKey key = OpenKey(hClassKey, sSectionKey, KEY_QUERY_VALUE | KEY_SET_VALUE);
    if (!key)
        Raise(L"Failed to open key '" + RootNumber(hClassKey) + L"',Section: '" + sSectionKey +
              L"' for delete access");
    return RegDeleteValueW(key.Get(), sValueKey.c_str()) == ERROR_SUCCESS;
}

RegValue CRegistry::Value(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey,
                          const std::wstring& sValueKey) const {
    UniqueRegKey key = OpenKey(hClassKey, sSectionKey, KEY_QUERY_VALUE);
    DWORD type = REG_NONE;
    std::vector<BYTE> data;
    if (!key || !ReadRaw(key.Get(), sValueKey, type, data)) return m_default;
    return Interpret(type, data);
}

void CRegistry::SetValue(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey,
                         const std::wstring& sValueKey, const RegValue& value,
                         ERegistryValueTypes eValueType) const {
    auto fail = [&] {
        Raise(L"Failed to set registry value Key: '" + RootNumber(hClassKey) + L"',Section: '" + sSectionKey +
              L"',Key: '" + sValueKey + L"' to value: '" + RegValueText(value) + L"'");
    };
    UniqueRegKey key = CreateOrOpen(hClassKey, sSectionKey);
    if (!key) fail();
    std::optional<Encoded> data = Encode(value, eValueType);
    if (!data) return;
    if (RegSetValueExW(key.Get(), sValueKey.c_str(), 0, data->type, data->bytes.data(),
                       DWORD(data->bytes.size())) != ERROR_SUCCESS)
        fail();
}

bool CRegistry::EnumerateValues(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey,
                                std::vector<std::wstring>& sKeyNames, long& iKeyCount) const {
    return EnumerateNames(OpenKey(hClassKey, sSectionKey, KEY_QUERY_VALUE), true, sKeyNames, iKeyCount,
                          [](HKEY k, DWORD i, wchar_t* name, DWORD* len) {
                              return RegEnumValueW(k, i, name, len, nullptr, nullptr, nullptr, nullptr);
                          });
}

bool CRegistry::EnumerateSections(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey,
                                  std::vector<std::wstring>& sSect, long& iSectCount) const {
    return EnumerateNames(OpenKey(hClassKey, sSectionKey, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE), false,
                          sSect, iSectCount, [](HKEY k, DWORD i, wchar_t* name, DWORD* len) {
                              return RegEnumKeyExW(k, i, name, len, nullptr, nullptr, nullptr, nullptr);
                          });
}

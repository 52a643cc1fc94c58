#pragma once
// The registry: keys tested, created and deleted, values read and written by their stored type,
// names of values and sub-keys listed. Every key opened is closed before a member returns.
// Failures to create, delete or write raise error 26001 from "AxOrvelLib.cRegistry"; a value that
// cannot be read yields Default instead.
#include "LibApi.h"
#include <cstdint>
#include <string>
#include <variant>
#include <vector>
#include <windows.h>

// Root keys: the platform's predefined handles HKEY_CLASSES_ROOT, HKEY_CURRENT_USER,
// HKEY_LOCAL_MACHINE, HKEY_USERS (-2147483648 … -2147483645 as signed numbers).
using ERegistryClassConstants = HKEY;
// Value types: the platform's REG_NONE … REG_RESOURCE_REQUIREMENTS_LIST.
using ERegistryValueTypes = DWORD;

// Empty, text, 16- and 32-bit integers, bytes.
using RegValue = std::variant<std::monostate, std::wstring, int16_t, int32_t, std::vector<uint8_t>>;

// The value as text, as it goes into REG_SZ values and error descriptions; bytes read as UTF-16.
AXORVELLIB_API std::wstring RegValueText(const RegValue& value);

class AXORVELLIB_API CRegistry {
public:
    static constexpr long kError = 26001;

    // True when the key opens for querying.
    bool KeyExists(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey) const;
    // Creates every missing key along the path, from the top.
    void CreateMultiKey(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey) const;
    // Creates or opens the key.
    bool CreateKey(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey) const;
    // Deletes a key that has no sub-keys.
    bool DeleteKey(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey) const;
    // False when the value could not be deleted (it does not exist, say); raises when the key
    // cannot be opened.
    bool DeleteValue(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey,
                     const std::wstring& sValueKey) const;

    // Typed by what is stored: texts (REG_EXPAND_SZ expanded, a multi-string's parts separated by
    // NULs), REG_DWORD and REG_DWORD_BIG_ENDIAN as int32_t, anything else as bytes.
    RegValue Value(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey,
                   const std::wstring& sValueKey) const;
    // REG_SZ / REG_EXPAND_SZ: the value as text, stored as REG_EXPAND_SZ when it holds a "%" with
    // another two or more positions further on. REG_DWORD / REG_DWORD_BIG_ENDIAN: 16- and 32-bit
    // integers as a REG_DWORD. REG_BINARY: bytes. Any other pairing writes nothing.
    void SetValue(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey,
                  const std::wstring& sValueKey, const RegValue& value,
                  ERegistryValueTypes eValueType = REG_SZ) const;

    // Names at 0 .. count - 1; False when the key cannot be opened or listed.
    bool EnumerateValues(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey,
                         std::vector<std::wstring>& sKeyNames, long& iKeyCount) const;
    bool EnumerateSections(ERegistryClassConstants hClassKey, const std::wstring& sSectionKey,
                           std::vector<std::wstring>& sSect, long& iSectCount) const;

    const RegValue& Default() const { return m_default; }
    void SetDefault(const RegValue& value) { m_default = value; }

private:
    RegValue m_default;
};

#pragma once
// An INI text held in memory: ordered sections of ordered entries, names matched exactly (letter
// case counts), comment lines kept in place. Never touches a file. Pure text logic.
#include "LibApi.h"
#include "RecordVector.h"
#include <memory>
#include <string>
#include <vector>

// One entry; a comment line is held with Key ";" and the whole line as Value.
struct TKeyValStruct {
    std::wstring Key;
    std::wstring Value;

    void Copy(const TKeyValStruct& o) {
        Key = o.Key;
        Value = o.Value;
    }
    bool operator==(const TKeyValStruct&) const = default;
};

class AXORVELLIB_API CKeyValVector : public RecordVector<TKeyValStruct> {
public:
    CKeyValVector();
    // Index of the first entry whose Key equals sKey exactly; -1 when none.
    int32_t FindName(const std::wstring& sKey) const;
};

// One section; copies share the entry vector.
struct TIniSecStruct {
    std::wstring Name;
    std::shared_ptr<CKeyValVector> KeyValues = std::make_shared<CKeyValVector>();

    void Copy(const TIniSecStruct& o) {
        Name = o.Name;
        KeyValues = o.KeyValues;
    }
    bool operator==(const TIniSecStruct&) const = default;
};

class AXORVELLIB_API CIniSecVector : public RecordVector<TIniSecStruct> {
public:
    CIniSecVector();
    int32_t FindName(const std::wstring& sName) const;
};

class AXORVELLIB_API CMemIni {
public:
    // "" when the section or the key is absent.
    std::wstring Value(const std::wstring& sSec, const std::wstring& sKey) const;
    // Creates the section at the end of the document and the entry at the end of its section.
    void SetValue(const std::wstring& sSec, const std::wstring& sKey, const std::wstring& value);

    // The text last handed in or produced; editing entries leaves it alone until ToStr.
    const std::wstring& ini() const { return m_ini; }
    void SetIni(const std::wstring& text) { m_ini = text; }

    // Stores the text and appends its sections behind those already held. A section header
    // without "]" raises error 5; the sections before it stay.
    void Load(const std::wstring& sIni);
    // Sections and entries as lines joined by CR LF, no break after the last; also stored as ini.
    std::wstring ToStr();

    // Both move the last entry (section) into the place of the removed one.
    void DeleteKey(const std::wstring& sSec, const std::wstring& sKey);
    void DeleteSection(const std::wstring& sSec);

    // The arrays get iCount + 1 elements, the last one empty. An absent section leaves the arrays
    // and iCount untouched.
    void EnumKeyValue(const std::wstring& sSec, std::vector<std::wstring>& sKey,
                      std::vector<std::wstring>& sValue, int32_t& iCount) const;
    void EnumKey(const std::wstring& sSec, std::vector<std::wstring>& sKey, int32_t& iCount) const;
    void EnumSection(std::vector<std::wstring>& sSections, int32_t& iCount) const;

    int32_t GetSectionCount(const std::wstring& sSec = L"") const;
    int32_t GetKeyCount(const std::wstring& sSec) const; // comments included; 0 when absent

private:
    void pvLoadIni();
    void pvToStr();
    std::shared_ptr<CKeyValVector> FindSection(const std::wstring& sSec) const;

    std::wstring m_ini;
    CIniSecVector m_sections;
};

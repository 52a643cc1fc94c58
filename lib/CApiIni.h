#pragma once
// Accessor of one INI file through the platform's private-profile service. Keeps nothing but the
// path: every read and write goes to the file at once, in the system's ANSI code page.
#include "LibApi.h"
#include <string>
#include <vector>

class AXORVELLIB_API CApiIni {
public:
    const std::wstring& File() const { return m_file; }
    void SetFile(const std::wstring& path) { m_file = path; }
    // Accepted and ignored.
    void SetBuffer(const std::wstring&) {}

    // At most 255 bytes of the stored text, blanks around it and a pair of enclosing quotes gone;
    // "" for an absent file, section or key.
    std::wstring Value(const std::wstring& sSection, const std::wstring& sKey) const;
    void SetValue(const std::wstring& sSection, const std::wstring& sKey, const std::wstring& value) const;

    void DeleteKey(const std::wstring& sSection, const std::wstring& sKey) const;
    void DeleteSection(const std::wstring& sSection) const;

    // Key names in file order at 0 .. iCount - 1; when any, the array holds one more, empty,
    // element at index iCount. An absent section gives an empty array and 0.
    void EnumerateSection(const std::wstring& sSection, std::vector<std::wstring>& sKey, long& iCount) const;
    // The key names of the section called "0", split like EnumerateSection but skipping empty names.
    void EnumerateAllSections(std::vector<std::wstring>& sSections, long& iCount) const;

private:
    std::wstring m_file;
};

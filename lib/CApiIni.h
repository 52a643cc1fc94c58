#pragma once
// Accessor of one INI file through the platform's private-profile service. Keeps nothing but the
// path: every read and write goes to the file at once. The service stores the text in the system's
// ANSI code page, as every file the program ever wrote is stored.
#include "LibApi.h"
#include <string>
#include <vector>

class AXORVELLIB_API CApiIni {
public:
    const std::wstring& File() const { return m_file; }
    // A relative path is taken from the current folder (the service alone would look in the
    // Windows folder). With no path set, reads are empty and writes do nothing.
    void SetFile(const std::wstring& path) { m_file = path; }
    // Accepted and ignored.
    void SetBuffer(const std::wstring&) {}

    // The stored text as far as it fits in 255 bytes of the code page, cut before a character that
    // would not fit whole; blanks around it and a pair of enclosing quotes gone. "" for an absent
    // file, section or key.
    std::wstring Value(const std::wstring& sSection, const std::wstring& sKey) const;
    // Line breaks in the value are stored as blanks: a value is one line of the file.
    void SetValue(const std::wstring& sSection, const std::wstring& sKey, const std::wstring& value) const;

    void DeleteKey(const std::wstring& sSection, const std::wstring& sKey) const;
    void DeleteSection(const std::wstring& sSection) const;

    // Key names in file order at 0 .. iCount - 1; when any, the array holds one more, empty,
    // element at index iCount. An absent section gives an empty array and 0. Every name comes back,
    // however long the list.
    void EnumerateSection(const std::wstring& sSection, std::vector<std::wstring>& sKey, long& iCount) const;
    // The file's section names, in the same shape.
    void EnumerateAllSections(std::vector<std::wstring>& sSections, long& iCount) const;

private:
    std::wstring ServicePath() const;
    std::wstring List(const wchar_t* section) const;

    std::wstring m_file;
};

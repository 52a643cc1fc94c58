#include "CMemIni.h"
#include "CStringVector.h"

namespace {
const wchar_t kSource[] = L"AxOrvelLib";

// Lines end only at a CR LF pair; a lone CR or LF stays part of its line.
std::vector<std::wstring> SplitLines(const std::wstring& text) {
    std::vector<std::wstring> lines;
    size_t start = 0;
    for (size_t pos; (pos = text.find(L"\r\n", start)) != std::wstring::npos; start = pos + 2)
        lines.push_back(text.substr(start, pos - start));
    lines.push_back(text.substr(start));
    return lines;
}

TKeyValStruct ParseEntry(const std::wstring& line) {
    if (line[0] == L';') return {L";", line};
    size_t eq = line.find(L'=');
    if (eq == std::wstring::npos) return {line, L""};
    return {line.substr(0, eq), line.substr(eq + 1)};
}
} // namespace

CKeyValVector::CKeyValVector() : RecordVector(kSource) {}

int32_t CKeyValVector::FindName(const std::wstring& sKey) const {
    for (int32_t i = 0; i < Count(); ++i)
        if (Item(i)->Key == sKey) return i;
    return -1;
}

CIniSecVector::CIniSecVector() : RecordVector(kSource) {}

int32_t CIniSecVector::FindName(const std::wstring& sName) const {
    for (int32_t i = 0; i < Count(); ++i)
        if (Item(i)->Name == sName) return i;
    return -1;
}

std::shared_ptr<CKeyValVector> CMemIni::FindSection(const std::wstring& sSec) const {
    int32_t i = m_sections.FindName(sSec);
    return i < 0 ? nullptr : m_sections.Item(i)->KeyValues;
}

std::wstring CMemIni::Value(const std::wstring& sSec, const std::wstring& sKey) const {
    auto keys = FindSection(sSec);
    if (!keys) return L"";
    int32_t i = keys->FindName(sKey);
    return i < 0 ? L"" : keys->Item(i)->Value;
}

void CMemIni::SetValue(const std::wstring& sSec, const std::wstring& sKey, const std::wstring& value) {
    auto keys = FindSection(sSec);
    if (!keys) {
        TIniSecStruct sec;
        sec.Name = sSec;
        sec.KeyValues->Add({sKey, value});
        m_sections.Add(sec);
        return;
    }
    int32_t i = keys->FindName(sKey);
    if (i < 0)
        keys->Add({sKey, value});
    else
        keys->Item(i)->Value = value;
}

void CMemIni::Load(const std::wstring& sIni) {
    m_ini = sIni;
    pvLoadIni();
}

void CMemIni::pvLoadIni() {
    std::shared_ptr<TIniSecStruct> current;
    for (const std::wstring& line : SplitLines(m_ini)) {
        if (line.empty()) continue;
        if (line[0] == L'[') {
            if (current) m_sections.Add(*current);
            size_t close = line.find(L']', 1);
            if (close == std::wstring::npos)
                throw CError(VbErr::InvalidProcedureCall, L"Invalid procedure call or argument", kSource);
            current = std::make_shared<TIniSecStruct>();
            current->Name = line.substr(1, close - 1);
        } else if (current) {
            current->KeyValues->Add(ParseEntry(line));
        }
    }
    if (current) m_sections.Add(*current);
}

std::wstring CMemIni::ToStr() {
    pvToStr();
    return m_ini;
}

void CMemIni::pvToStr() {
    CStringVector lines;
    for (int32_t s = 0; s < m_sections.Count(); ++s) {
        auto sec = m_sections.Item(s);
        lines.Add(L"[" + sec->Name + L"]");
        for (int32_t k = 0; k < sec->KeyValues->Count(); ++k) {
            auto kv = sec->KeyValues->Item(k);
            lines.Add(kv->Key == L";" ? kv->Value : kv->Key + L"=" + kv->Value);
        }
    }
    m_ini = lines.JoinStr(L"\r\n");
}

void CMemIni::DeleteKey(const std::wstring& sSec, const std::wstring& sKey) {
    auto keys = FindSection(sSec);
    if (!keys) return;
    if (int32_t i = keys->FindName(sKey); i >= 0) keys->QuickDelete(i);
}

void CMemIni::DeleteSection(const std::wstring& sSec) {
    if (int32_t i = m_sections.FindName(sSec); i >= 0) m_sections.QuickDelete(i);
}

void CMemIni::EnumKeyValue(const std::wstring& sSec, std::vector<std::wstring>& sKey,
                           std::vector<std::wstring>& sValue, int32_t& iCount) const {
    auto keys = FindSection(sSec);
    if (!keys) return;
    iCount = keys->Count();
    sKey.assign(size_t(iCount) + 1, L"");
    sValue.assign(size_t(iCount) + 1, L"");
    for (int32_t i = 0; i < iCount; ++i) {
        sKey[size_t(i)] = keys->Item(i)->Key;
        sValue[size_t(i)] = keys->Item(i)->Value;
    }
}

void CMemIni::EnumKey(const std::wstring& sSec, std::vector<std::wstring>& sKey, int32_t& iCount) const {
    std::vector<std::wstring> values;
    EnumKeyValue(sSec, sKey, values, iCount);
}

void CMemIni::EnumSection(std::vector<std::wstring>& sSections, int32_t& iCount) const {
    iCount = m_sections.Count();
    sSections.assign(size_t(iCount) + 1, L"");
    for (int32_t i = 0; i < iCount; ++i)
        sSections[size_t(i)] = m_sections.Item(i)->Name;
}

int32_t CMemIni::GetSectionCount(const std::wstring&) const {
    return m_sections.Count();
}

int32_t CMemIni::GetKeyCount(const std::wstring& sSec) const {
    auto keys = FindSection(sSec);
    return keys ? keys->Count() : 0;
}

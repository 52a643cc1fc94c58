#include "CError.h"
#include "Utf8.h"
#include <cstdio>

CError::CError(long number, std::wstring description, std::wstring source)
    : Number(number), Description(std::move(description)), Source(std::move(source)) {
    char head[32];
    std::snprintf(head, sizeof head, "[%ld] ", number);
    m_what.assign(head);
    m_what.append(ToUtf8(Description));
}

const char* CError::what() const noexcept { return m_what.c_str(); }

void RaiseSubscriptOutOfRange(const std::wstring& source) {
    throw CError(VbErr::SubscriptOutOfRange, L"Subscript out of range", source);
}

void RaiseOverflow(const std::wstring& source) { throw CError(VbErr::Overflow, L"Overflow", source); }

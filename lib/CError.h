#pragma once
#include "LibApi.h"
#include <exception>
#include <string>

// The one exception type of the system: a numbered error with its description and the component
// that raised it. Library and engine throw it where they raise; window handlers catch and report.
class AXORVELLIB_API CError : public std::exception {
public:
    CError(long number, std::wstring description, std::wstring source);
    const char* what() const noexcept override;

    long Number;
    std::wstring Description;
    std::wstring Source;

private:
    std::string m_what; // UTF-8 "[number] description" for diagnostics outside the program
};

// Runtime error numbers shared by every component.
namespace VbErr {
constexpr long Overflow = 6;
constexpr long SubscriptOutOfRange = 9;
constexpr long InvalidProcedureCall = 5;
constexpr long TypeMismatch = 13;
} // namespace VbErr

[[noreturn]] AXORVELLIB_API void RaiseSubscriptOutOfRange(const std::wstring& source);
[[noreturn]] AXORVELLIB_API void RaiseOverflow(const std::wstring& source);

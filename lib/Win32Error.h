#pragma once
// Platform failures as text and as numbered errors.
#include "LibApi.h"
#include <string>

// The system's description of an error code, without the trailing line break.
AXORVELLIB_API std::wstring SystemMessage(unsigned long code);
// Raises the calling thread's last error as a CError with the system's description.
[[noreturn]] AXORVELLIB_API void RaiseLastError(const std::wstring& source);

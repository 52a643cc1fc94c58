#pragma once
#include "LibApi.h"
#include <string>

// Win32 failures as text and as the runtime's numbered file errors.
AXORVELLIB_API std::wstring SystemErrorText(unsigned long code);
// The runtime's file-error number for a Win32 error (53 file not found, 70 permission denied ...).
AXORVELLIB_API long FileErrorNumber(unsigned long code);
[[noreturn]] AXORVELLIB_API void RaiseFileError(unsigned long code, const std::wstring& source);
// Raises the calling thread's last error as a CError numbered with the system's own code.
[[noreturn]] AXORVELLIB_API void RaiseLastError(const std::wstring& source);

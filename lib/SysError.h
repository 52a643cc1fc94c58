#pragma once
#include "LibApi.h"
#include <string>

// Win32 failures as text and as the runtime's numbered file errors.
AXORVELLIB_API std::wstring SystemErrorText(unsigned long code);
// The runtime's file-error number for a Win32 error (53 file not found, 70 permission denied ...).
AXORVELLIB_API long FileErrorNumber(unsigned long code);
[[noreturn]] AXORVELLIB_API void RaiseFileError(unsigned long code, const std::wstring& source);

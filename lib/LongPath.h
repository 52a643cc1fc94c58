#pragma once
#include "LibApi.h"
#include <string>

// The one place where paths beyond the classic 260-character limit are made reachable: long
// absolute paths get the extended-length prefix (\\?\ or \\?\UNC\), everything else passes as it is.
AXORVELLIB_API std::wstring SystemPath(const std::wstring& path);

// folder & "\" & name without doubling the backslash of a drive root such as E:\.
AXORVELLIB_API std::wstring JoinPath(const std::wstring& folder, const std::wstring& name);

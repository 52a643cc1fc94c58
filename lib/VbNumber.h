#pragma once
// Reading stored numbers the way every file the program wrote expects them read.
// Pure text logic: no platform headers.
#include "LibApi.h"
#include <cstdint>
#include <string>
#include <string_view>

// The leading number of a text: blanks, tabs and line breaks anywhere are skipped, then an optional
// sign, digits, a decimal point and an exponent (E or D); "&H"/"&O" introduce hexadecimal/octal.
// A text without a leading number is 0.
AXORVELLIB_API double Val(std::wstring_view text);

// Rounds to a 32-bit integer, halves to the even neighbour; out of range raises Overflow (6).
AXORVELLIB_API int32_t RoundToLong(double value, const std::wstring& source = L"AxOrvelLib");

// RoundToLong(Val(text)).
AXORVELLIB_API int32_t ValLong(std::wstring_view text, const std::wstring& source = L"AxOrvelLib");

// Formats with a picture of zeros, such as "0.00" or "0000": at least as many integer digits as
// zeros before the point, exactly as many decimals as zeros after it, halves rounded away from zero.
AXORVELLIB_API std::wstring FormatNumber(double value, std::wstring_view picture);

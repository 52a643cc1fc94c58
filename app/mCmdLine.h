#pragma once
// The program's command-line reader, also used for files dropped on the main window. Pure text
// logic.
#include "CCmdVector.h"
#include <memory>
#include <string>
#include <vector>

// Splits at blanks; a token opened by a quotation mark right after a blank runs to the closing
// mark, blanks included. A quote opening inside a word does not hide that word's blanks, text
// after a closing quote up to the next blank is dropped, and an unclosed quote drops the rest.
void SplitCommandLine(const std::wstring& text, std::vector<std::wstring>& tokens, int32_t& count);

// One entry per value, carrying the name of the switch ("-", "/", "\" or "^" and a name) before
// it, and one per switch without a value. Index is the position of the token that produced it.
std::shared_ptr<CCmdVector> ParseCommandLine(const std::wstring& text);

#pragma once
// Output of the console runner: wide text on a console, UTF-8 bytes into pipes and files.
#include <string>

enum class Stream { Out, Err };

void Write(Stream s, const std::wstring& text);
void WriteUtf8(Stream s, const std::string& bytes);
bool IsConsole(Stream s);

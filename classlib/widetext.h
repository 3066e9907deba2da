// GBK byte texts to and from the wide texts that COM interfaces take.
#pragma once

#include <string>

std::wstring WideFromAnsi(const std::string& text);
std::string AnsiFromWide(const std::wstring& text);

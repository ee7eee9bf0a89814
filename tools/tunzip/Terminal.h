// Terminal services of tunzip: is a stream a terminal, read a line, read a
// password without echo.
#pragma once

#include <cstdio>
#include <string>

namespace tavo::tunzip {

bool IsTerminal(FILE* stream);
// Reads one line from standard input (without its end); false at the end.
bool ReadLine(std::string& line);
// Prompts on standard error and reads a password from the terminal without
// echoing it; false when there is no terminal or input ended.
bool ReadPassword(const std::string& prompt, std::string& password);

}  // namespace tavo::tunzip

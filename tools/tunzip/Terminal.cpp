// Terminal services for POSIX and Windows consoles.
#include "tools/tunzip/Terminal.h"

#include <iostream>

#ifdef _WIN32
#include <conio.h>
#include <io.h>
#else
#include <termios.h>
#include <unistd.h>
#endif

namespace tavo::tunzip {

bool IsTerminal(FILE* stream) {
#ifdef _WIN32
  return _isatty(_fileno(stream)) != 0;
#else
  return isatty(fileno(stream)) != 0;
#endif
}

bool ReadLine(std::string& line) { return static_cast<bool>(std::getline(std::cin, line)); }

bool ReadPassword(const std::string& prompt, std::string& password) {
  if (!IsTerminal(stdin)) return false;
  std::fprintf(stderr, "%s", prompt.c_str());
  std::fflush(stderr);
  password.clear();
#ifdef _WIN32
  for (;;) {
    const int c = _getch();
    if (c == '\r' || c == '\n') break;
    if (c == 3 || c == EOF) return false;
    if (c == 8) {
      if (!password.empty()) password.pop_back();
      continue;
    }
    password.push_back(static_cast<char>(c));
  }
#else
  termios old{};
  tcgetattr(STDIN_FILENO, &old);
  termios quiet = old;
  quiet.c_lflag &= static_cast<tcflag_t>(~ECHO);
  tcsetattr(STDIN_FILENO, TCSANOW, &quiet);
  const bool ok = static_cast<bool>(std::getline(std::cin, password));
  tcsetattr(STDIN_FILENO, TCSANOW, &old);
  if (!ok) {
    std::fprintf(stderr, "\n");
    return false;
  }
#endif
  std::fprintf(stderr, "\n");
  return true;
}

}  // namespace tavo::tunzip

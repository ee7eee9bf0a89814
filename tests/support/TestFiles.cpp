// Scratch directories, files and external tools for tests.
#include "support/TestFiles.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <stdexcept>
#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace tavo::test {

namespace fs = std::filesystem;

ScratchDir::ScratchDir() {
  const fs::path base = fs::temp_directory_path();
  std::random_device rd;
  for (int attempt = 0; attempt < 100; ++attempt) {
    const fs::path candidate = base / ("tavo-test-" + std::to_string(rd()) + std::to_string(attempt));
    std::error_code ec;
    if (fs::create_directory(candidate, ec)) {
      path_ = candidate.string();
      return;
    }
  }
  throw std::runtime_error("cannot create a scratch directory");
}

ScratchDir::~ScratchDir() {
  std::error_code ec;
  // Read-only files inside must not stop the cleanup.
  for (auto it = fs::recursive_directory_iterator(path_, ec); !ec && it != fs::recursive_directory_iterator();
       it.increment(ec))
    fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  fs::remove_all(path_, ec);
}

std::string ReadFile(const std::string& hostPath) {
  std::ifstream f(hostPath, std::ios::binary);
  if (!f) throw std::runtime_error("cannot read " + hostPath);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

void WriteFile(const std::string& hostPath, const std::string& content) {
  std::ofstream f(hostPath, std::ios::binary | std::ios::trunc);
  f.write(content.data(), static_cast<std::streamsize>(content.size()));
  if (!f) throw std::runtime_error("cannot write " + hostPath);
}

bool Exists(const std::string& hostPath) {
  std::error_code ec;
  return fs::exists(hostPath, ec);
}

std::string ShellQuote(const std::string& word) {
  std::string out = "'";
  for (char c : word) {
    if (c == '\'')
      out += "'\\''";
    else
      out += c;
  }
  return out + "'";
}

int RunCommand(const std::string& command, std::string* output, const std::string& dir, bool mergeStderr) {
  std::string full = dir.empty() ? command : "cd " + ShellQuote(dir) + " && " + command;
  if (mergeStderr) full = "(" + full + ") 2>&1";
#ifdef _WIN32
  FILE* pipe = _popen(full.c_str(), "rb");
#else
  FILE* pipe = popen(full.c_str(), "r");
#endif
  if (!pipe) return -1;
  std::string text;
  char buffer[4096];
  size_t n;
  while ((n = fread(buffer, 1, sizeof buffer, pipe)) > 0) text.append(buffer, n);
#ifdef _WIN32
  const int status = _pclose(pipe);
#else
  const int raw = pclose(pipe);
  const int status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
  if (output) *output = text;
  return status;
}

bool HaveTool(const std::string& tool) {
#ifdef _WIN32
  (void)tool;
  return false;
#else
  return RunCommand("command -v " + ShellQuote(tool) + " >/dev/null 2>&1") == 0;
#endif
}

std::string RandomBytes(size_t size, uint32_t seed) {
  std::mt19937 gen(seed);
  std::string out(size, '\0');
  for (char& c : out) c = static_cast<char>(gen() & 0xFF);
  return out;
}

std::string CompressibleText(size_t size, uint32_t seed) {
  static const char* words[] = {"queue ", "number ", "call ", "centre ", "tavo ", "window ", "\n", "1234 "};
  std::mt19937 gen(seed);
  std::string out;
  out.reserve(size + 16);
  while (out.size() < size) out += words[gen() % 8];
  out.resize(size);
  return out;
}

}  // namespace tavo::test

// Scratch directories, whole-file reads and writes, and external tools
// (zip, unzip, python3) run from tests.
#pragma once

#include <cstdint>
#include <string>

namespace tavo::test {

// A fresh directory under the system's temporary folder, removed with its
// contents when the object goes away.
class ScratchDir {
 public:
  ScratchDir();
  ~ScratchDir();
  ScratchDir(const ScratchDir&) = delete;
  ScratchDir& operator=(const ScratchDir&) = delete;
  // Host path of the directory, and of a name inside it.
  const std::string& Path() const { return path_; }
  std::string operator/(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

std::string ReadFile(const std::string& hostPath);
void WriteFile(const std::string& hostPath, const std::string& content);
bool Exists(const std::string& hostPath);

// Runs a shell command in `dir` (when not empty), returns its exit status
// and fills `output` with what it wrote to stdout (and stderr when merged).
int RunCommand(const std::string& command, std::string* output = nullptr, const std::string& dir = "",
               bool mergeStderr = false);
// Single-quotes a word for the shell.
std::string ShellQuote(const std::string& word);
// True when the tool can be found on PATH.
bool HaveTool(const std::string& tool);

// Deterministic pseudo-random bytes, and text that compresses well.
std::string RandomBytes(size_t size, uint32_t seed = 1);
std::string CompressibleText(size_t size, uint32_t seed = 1);

}  // namespace tavo::test

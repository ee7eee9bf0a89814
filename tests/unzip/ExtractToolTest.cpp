// tunzip x and t against Info-ZIP unzip on archives made by Info-ZIP zip and
// Python's zipfile: the same files, bytes and modification times.
#include <gtest/gtest.h>

#ifndef _WIN32
#include <sys/stat.h>
#endif

#include <filesystem>
#include <map>
#include <string>

#include "support/TestFiles.h"

namespace tavo::test {
namespace {

#if defined(TAVO_TUNZIP) && !defined(_WIN32)
namespace fs = std::filesystem;

// Every regular file under root: relative path -> content and mtime.
std::map<std::string, std::pair<std::string, long long>> Tree(const std::string& root) {
  std::map<std::string, std::pair<std::string, long long>> out;
  for (const auto& e : fs::recursive_directory_iterator(root)) {
    if (!e.is_regular_file()) continue;
    struct stat st;
    stat(e.path().c_str(), &st);
    out[fs::relative(e.path(), root).string()] = {ReadFile(e.path().string()), static_cast<long long>(st.st_mtime)};
  }
  return out;
}

class ExtractToolTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveTool("zip") || !HaveTool("unzip") || !HaveTool("python3")) GTEST_SKIP() << "reference tools missing";
    ASSERT_EQ(RunCommand("mkdir -p src/sub/deep && cd src && printf 'hello\\n' > small.txt && : > empty.txt",
                         nullptr, dir.Path()),
              0);
    WriteFile(dir / "src/sub/text.txt", CompressibleText(300000));
    WriteFile(dir / "src/sub/deep/random.bin", RandomBytes(70000));
    // Even seconds: DOS times hold no odd ones.
    ASSERT_EQ(RunCommand("find src -exec touch -d '2021-05-06 07:08:10' {} +", nullptr, dir.Path()), 0);
  }

  // Extracts with both tools and compares the trees.
  void Compare(const std::string& archive, const std::string& password = "") {
    const std::string pw = password.empty() ? "" : " -P " + ShellQuote(password);
    std::string msg;
    ASSERT_EQ(RunCommand("unzip -o -q" + pw + " " + ShellQuote(archive) + " -d theirs", &msg, dir.Path(), true), 0)
        << msg;
    ASSERT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " x -q -o" + pw + " " + ShellQuote(archive) + " -d ours", &msg,
                         dir.Path(), true),
              0)
        << msg;
    const auto theirs = Tree(dir / "theirs"), ours = Tree(dir / "ours");
    ASSERT_FALSE(theirs.empty());
    EXPECT_EQ(ours, theirs) << archive;
    ASSERT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " t -q" + pw + " " + ShellQuote(archive), &msg, dir.Path(), true),
              0)
        << msg;
    RunCommand("rm -rf ours theirs", nullptr, dir.Path());
  }

  ScratchDir dir;
};

TEST_F(ExtractToolTest, InfoZipMethodsAndEncryption) {
  struct Case {
    const char* options;
    const char* password;
  } cases[] = {{"-0", ""}, {"-9", ""}, {"-1", ""}, {"-9 -P s3cret", "s3cret"}, {"-0 -P s3cret", "s3cret"}};
  for (const Case& c : cases) {
    ASSERT_EQ(RunCommand(std::string("cd src && zip -q -X -r ") + c.options + " ../a.zip .", nullptr, dir.Path()), 0);
    Compare(dir / "a.zip", c.password);
    RunCommand("rm -f a.zip", nullptr, dir.Path());
  }
}

TEST_F(ExtractToolTest, StreamedEntriesWithDataDescriptors) {
  // Writing to a pipe, zip sets bit 3 and writes data descriptors for
  // encrypted entries, whose check byte is then the DOS time's.
  ASSERT_EQ(RunCommand("cat src/sub/text.txt | zip -q s.zip - && cat src/sub/text.txt | zip -q -P pw - - > e.zip",
                       nullptr, dir.Path()),
            0);
  std::string v;
  RunCommand("unzip -Z -v e.zip | grep -i 'extended local header'", &v, dir.Path());
  EXPECT_NE(v.find("yes"), std::string::npos);
  // The entry "-" gets the current time; compare content only through t
  // and a byte comparison.
  for (const char* name : {"s.zip", "e.zip"}) {
    std::string msg;
    ASSERT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " x -q -P pw " + name + " -d o", &msg, dir.Path(), true), 0) << msg;
    EXPECT_EQ(ReadFile(dir / "o/-"), ReadFile(dir / "src/sub/text.txt"));
    RunCommand("rm -rf o", nullptr, dir.Path());
  }
}

TEST_F(ExtractToolTest, PythonZipfileArchives) {
  const std::string script =
      "import zipfile, os\n"
      "for name, method in (('d.zip', zipfile.ZIP_DEFLATED), ('s.zip', zipfile.ZIP_STORED)):\n"
      "    with zipfile.ZipFile(name, 'w', method) as z:\n"
      "        for root, dirs, files in os.walk('src'):\n"
      "            for f in files:\n"
      "                z.write(os.path.join(root, f))\n"
      "        with z.open('forced/zip64.txt', 'w', force_zip64=True) as f:\n"
      "            f.write(b'zip64 body ' * 5000)\n";
  WriteFile(dir / "make.py", script);
  ASSERT_EQ(RunCommand("python3 make.py", nullptr, dir.Path()), 0);
  Compare(dir / "d.zip");
  Compare(dir / "s.zip");
}

TEST_F(ExtractToolTest, ExitCodesForSkipsAndErrors) {
  ASSERT_EQ(RunCommand("cd src && zip -q -X -r ../a.zip . && cd .. && zip -q -X -P right p.zip src/small.txt", nullptr,
                       dir.Path()),
            0);
  std::string msg;
  ASSERT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " x -q a.zip -d o", &msg, dir.Path(), true), 0) << msg;
  // Existing files with -n: skipped, exit 1, the files left as they were.
  WriteFile(dir / "o/small.txt", "mine");
  EXPECT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " x -q -n a.zip -d o", &msg, dir.Path(), true), 1) << msg;
  EXPECT_EQ(ReadFile(dir / "o/small.txt"), "mine");
  // Without -o or -n the answer comes from standard input.
  EXPECT_EQ(RunCommand("echo A | " + ShellQuote(TAVO_TUNZIP) + " x -q a.zip -d o", &msg, dir.Path(), true), 0) << msg;
  EXPECT_EQ(ReadFile(dir / "o/small.txt"), "hello\n");
  // A wrong password without a terminal to ask on: skipped.
  EXPECT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " x -q -P wrong p.zip -d w < /dev/null", &msg, dir.Path(), true), 1)
      << msg;
  EXPECT_FALSE(Exists(dir / "w/src/small.txt"));
  // Patterns select entries.
  EXPECT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " x -q a.zip -d pat 'sub/*.txt'", &msg, dir.Path(), true), 0) << msg;
  EXPECT_TRUE(Exists(dir / "pat/sub/text.txt"));
  EXPECT_FALSE(Exists(dir / "pat/small.txt"));
  // A damaged entry: t reports it and fails.
  std::string bytes = ReadFile(dir / "a.zip");
  const size_t at = bytes.find("queue");
  if (at != std::string::npos) bytes[at] ^= 0x55;
  std::string stored;
  ASSERT_EQ(RunCommand("cd src && zip -q -X -0 ../st.zip small.txt", nullptr, dir.Path()), 0);
  stored = ReadFile(dir / "st.zip");
  stored[stored.find("hello")] = 'j';
  WriteFile(dir / "bad.zip", stored);
  EXPECT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " t -q bad.zip", &msg, dir.Path(), true), 2);
  EXPECT_NE(msg.find("bad CRC"), std::string::npos) << msg;
  EXPECT_FALSE(Exists(dir / "small.txt"));
}
#endif

}  // namespace
}  // namespace tavo::test

// tunzip's listings against Info-ZIP unzip on archives made by Info-ZIP zip
// and Python's zipfile: same names, sizes, compressed sizes and CRCs.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "support/TestFiles.h"
#include "support/ZipBuilder.h"

namespace tavo::test {
namespace {

#ifdef TAVO_TUNZIP
struct Row {
  std::string length, size, crc, name;
  bool operator==(const Row& o) const {
    return length == o.length && size == o.size && crc == o.crc && name == o.name;
  }
};

std::ostream& operator<<(std::ostream& os, const Row& r) {
  return os << r.length << " " << r.size << " " << r.crc << " " << r.name;
}

// The entry rows of a "-v" style listing: length, method, size, ratio, date,
// time, CRC, name (the name may hold spaces).
std::vector<Row> ParseVerbose(const std::string& text) {
  std::vector<Row> rows;
  std::istringstream in(text);
  std::string line;
  int dashes = 0;
  while (std::getline(in, line)) {
    if (line.rfind("--------", 0) == 0) {
      ++dashes;
      continue;
    }
    if (dashes != 1) continue;
    std::istringstream f(line);
    Row r;
    std::string method, ratio, date, time;
    f >> r.length >> method >> r.size >> ratio >> date >> time >> r.crc;
    std::getline(f, r.name);
    r.name.erase(0, r.name.find_first_not_of(' '));
    // Lines of entry comments follow their entry; they hold no CRC column.
    if (r.crc.size() == 8 && r.crc.find_first_not_of("0123456789abcdef") == std::string::npos) rows.push_back(r);
  }
  return rows;
}

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> out;
  std::istringstream in(text);
  std::string line;
  while (std::getline(in, line)) out.push_back(line);
  return out;
}

// Names of a tunzip "l" listing, in order.
std::vector<std::string> ShortNames(const std::string& text) {
  std::vector<std::string> names;
  int dashes = 0;
  for (const std::string& line : Lines(text)) {
    if (line.rfind("---------", 0) == 0) {
      ++dashes;
      continue;
    }
    if (dashes == 1 && line.size() > 30) names.push_back(line.substr(30));
  }
  return names;
}

void ExpectSameAsUnzip(const std::string& archive) {
  std::string ours, theirs, ourShort, z1;
  ASSERT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " v " + ShellQuote(archive), &ours), 0) << ours;
  ASSERT_EQ(RunCommand("unzip -v " + ShellQuote(archive), &theirs), 0) << theirs;
  const std::vector<Row> a = ParseVerbose(ours), b = ParseVerbose(theirs);
  ASSERT_FALSE(b.empty());
  EXPECT_EQ(a, b);
  ASSERT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " l " + ShellQuote(archive), &ourShort), 0);
  ASSERT_EQ(RunCommand("unzip -Z1 " + ShellQuote(archive), &z1), 0);
  EXPECT_EQ(ShortNames(ourShort), Lines(z1));
}

class ListingTest : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!HaveTool("zip") || !HaveTool("unzip") || !HaveTool("python3")) GTEST_SKIP() << "reference tools missing";
  }
  ScratchDir dir;
};

TEST_F(ListingTest, InfoZipArchiveWithDirectoriesCommentsAndBothMethods) {
  WriteFile(dir / "small.txt", "hello\n");
  WriteFile(dir / "empty.bin", "");
  ASSERT_EQ(RunCommand("mkdir -p sub/deeper", nullptr, dir.Path()), 0);
  WriteFile(dir / "sub/deeper/text.txt", CompressibleText(50000));
  WriteFile(dir / "sub/random.bin", RandomBytes(7000));
  ASSERT_EQ(RunCommand("echo 'the archive comment' | zip -q -r -z a.zip small.txt empty.bin sub", nullptr,
                       dir.Path()),
            0);
  ASSERT_EQ(RunCommand("printf 'one\\ntwo\\n' | zip -q -c a.zip small.txt sub/random.bin", nullptr, dir.Path()), 0);
  ExpectSameAsUnzip(dir / "a.zip");
  std::string ours;
  ASSERT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " v " + ShellQuote(dir / "a.zip"), &ours), 0);
  EXPECT_NE(ours.find("the archive comment"), std::string::npos);
  EXPECT_NE(ours.find("one"), std::string::npos);
  EXPECT_NE(ours.find("two"), std::string::npos);
}

TEST_F(ListingTest, StoredAndStreamedInfoZipArchives) {
  WriteFile(dir / "a.txt", CompressibleText(100000));
  ASSERT_EQ(RunCommand("zip -q -0 stored.zip a.txt && cat a.txt | zip -q streamed.zip -", nullptr, dir.Path()), 0);
  ExpectSameAsUnzip(dir / "stored.zip");
  ExpectSameAsUnzip(dir / "streamed.zip");
}

TEST_F(ListingTest, PythonForcedZip64AndManyEntries) {
  const std::string script =
      "import zipfile\n"
      "with zipfile.ZipFile('z64.zip', 'w', zipfile.ZIP_DEFLATED) as z:\n"
      "    for i in range(3):\n"
      "        with z.open('dir/f%d.txt' % i, 'w', force_zip64=True) as f:\n"
      "            f.write(b'data %d ' % i * 1000)\n"
      "    z.comment = b'zip64 comment'\n"
      "with zipfile.ZipFile('many.zip', 'w') as z:\n"
      "    for i in range(2000):\n"
      "        z.writestr('n/%05d.txt' % (1999 - i), b'x' * (i % 17))\n";
  WriteFile(dir / "make.py", script);
  ASSERT_EQ(RunCommand("python3 make.py", nullptr, dir.Path()), 0);
  ExpectSameAsUnzip(dir / "z64.zip");
  ExpectSameAsUnzip(dir / "many.zip");
}

TEST_F(ListingTest, HandBuiltArchives) {
  // Zip64 sizes and offsets with a Zip64 end record.
  ZipBuilder z64;
  ZipEntry big = ZipEntry::Deflated("big/one.txt", CompressibleText(20000));
  big.zip64 = true;
  big.zip64Offset = true;
  z64.Add(big);
  z64.Add(ZipEntry::Stored("two.bin", RandomBytes(300)));
  z64.zip64End = true;
  WriteFile(dir / "z64.zip", z64.Build());
  ExpectSameAsUnzip(dir / "z64.zip");
  // Entry comments, extra fields of other tags, data descriptors, an
  // encrypted entry and an archive comment.
  ZipBuilder misc;
  ZipEntry a = ZipEntry::Stored("a.txt", "alpha");
  a.comment = "first entry";
  a.centralExtra = std::string("\x55\x54\x05\x00\x01\x00\x00\x00\x00", 9);
  misc.Add(a);
  ZipEntry d = ZipEntry::Deflated("dd/b.txt", CompressibleText(3000));
  d.dataDescriptor = true;
  misc.Add(d);
  ZipEntry e = ZipEntry::Stored("secret.txt", "hidden");
  e.Encrypt("pw");
  misc.Add(e);
  misc.comment = "made by hand";
  WriteFile(dir / "misc.zip", misc.Build());
  ExpectSameAsUnzip(dir / "misc.zip");
}

TEST_F(ListingTest, ShortListingIsUnzipsByteForByte) {
  // Sizes of 1 to 8 digits, dates whose every field needs its leading zero
  // or not, and more lines than the listing writes in one block.
  const std::string script =
      "import zipfile\n"
      "with zipfile.ZipFile('long.zip', 'w', zipfile.ZIP_DEFLATED) as z:\n"
      "    z.writestr('big/zeros.bin', bytes(12345678))\n"
      "    for i in range(9000):\n"
      "        when = (1980 + i % 120, 1 + i % 12, 1 + i % 28, i % 24, i % 60, i % 30 * 2)\n"
      "        z.writestr(zipfile.ZipInfo('d%02d/entry%05d.txt' % (i % 37, i), when), b'y' * (i * i % 1500))\n"
      "    z.writestr('top.txt', b'')\n";
  WriteFile(dir / "make.py", script);
  ASSERT_EQ(RunCommand("python3 make.py", nullptr, dir.Path()), 0);
  std::string ours, theirs;
  ASSERT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " l long.zip", &ours, dir.Path()), 0);
  ASSERT_EQ(RunCommand("unzip -l long.zip", &theirs, dir.Path()), 0);
  ASSERT_GT(ours.size(), 256u * 1024u);
  EXPECT_TRUE(ours == theirs) << "first difference at byte "
                              << std::mismatch(ours.begin(), ours.end(), theirs.begin(), theirs.end()).first -
                                     ours.begin();
}

TEST_F(ListingTest, SortOptionOrdersByName) {
  const std::string script =
      "import zipfile\n"
      "with zipfile.ZipFile('s.zip', 'w') as z:\n"
      "    for n in ['b/c.txt', 'A.txt', 'b/a.txt', 'a/z.txt']:\n"
      "        z.writestr(n, n)\n";
  WriteFile(dir / "make.py", script);
  ASSERT_EQ(RunCommand("python3 make.py", nullptr, dir.Path()), 0);
  std::string out;
  ASSERT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " l -s ByName " + ShellQuote(dir / "s.zip"), &out), 0);
  // "\" (0x5C) sorts after the letters folded to upper case... and "." before.
  EXPECT_EQ(ShortNames(out), (std::vector<std::string>{"A.txt", "a/z.txt", "b/a.txt", "b/c.txt"}));
}

TEST_F(ListingTest, FailuresGiveOneLineAndNonZeroExit) {
  WriteFile(dir / "junk.zip", RandomBytes(100, 7));
  struct Case {
    std::string args;
    int status;
  } cases[] = {
      {"l " + ShellQuote(dir / "missing.zip"), 2},
      {"v " + ShellQuote(dir / "junk.zip"), 2},
      {"l -s Sideways " + ShellQuote(dir / "junk.zip"), 10},
      {"q " + ShellQuote(dir / "junk.zip"), 10},
  };
  for (const Case& c : cases) {
    std::string out;
    EXPECT_EQ(RunCommand(ShellQuote(TAVO_TUNZIP) + " " + c.args + " 2>&1 >/dev/null", &out), c.status) << c.args;
    EXPECT_FALSE(out.empty()) << c.args;
  }
}
#endif

}  // namespace
}  // namespace tavo::test

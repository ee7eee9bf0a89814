// Hostile and unusual archives at extraction: local headers that do not fit,
// paths that escape through the relative prefix, Windows device and stream
// names, sizes that overflow the run totals, and passwords retried after a
// bad CRC.
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "platform/File.h"
#include "platform/Path.h"
#include "support/TestFiles.h"
#include "support/ZipBuilder.h"
#include "unzip/UnZip.h"
#include "unzip/ZipCrypt.h"

namespace tavo::test {
namespace {

using zip::TSkipReason;
using zip::TUnZip;
using zip::TUZOverwriteMode;

struct Skipped {
  TSkipReason reason;
  std::string name;
  std::string message;
};

class HostileArchiveTest : public ::testing::Test {
 protected:
  void SetUp() override {
    out = dir / "out";
    unzip.DoProcessMessages = false;
    unzip.DoAll = true;
    unzip.RecreateDirs = true;
    unzip.OverwriteMode = TUZOverwriteMode::Always;
    unzip.OnSkippingFile = [this](TUnZip& u, TSkipReason r, const std::string& name, int, bool&) {
      skipped.push_back({r, name, u.SkipMessage()});
    };
    unzip.OnEndUnZip = [this](TUnZip& u, int i, const std::string&) { ended.push_back(u.Entry(i).Path()); };
    unzip.OnBadCRC = [this](TUnZip&, uint32_t, uint32_t, int) { ++badCrcs; };
  }

  int Extract(ZipBuilder& b) {
    const std::string name = "h" + std::to_string(++archives) + ".zip";
    WriteFile(dir / name, b.Build());
    unzip.SetZipName(platform::EnginePath(dir / name));
    unzip.SetDestDir(platform::EnginePath(out));
    return unzip.ExtractFiles();
  }

  std::vector<std::string> SkippedNames(TSkipReason reason) const {
    std::vector<std::string> names;
    for (const Skipped& s : skipped)
      if (s.reason == reason) names.push_back(s.name);
    return names;
  }

  ScratchDir dir;
  std::string out;
  TUnZip unzip;
  std::vector<Skipped> skipped;
  std::vector<std::string> ended;
  int badCrcs = 0;
  int archives = 0;
};

TEST_F(HostileArchiveTest, LocalHeaderThatDoesNotFitSkipsOnlyItsEntry) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("first.txt", "first"));
  b.Add(ZipEntry::Stored("wrongoffset.txt", "never read"));
  b.Add(ZipEntry::Deflated("middle.txt", CompressibleText(3000)));
  ZipEntry longName = ZipEntry::Stored("longname.txt", "cut");
  longName.localNameLength = 0xFFFF;  // runs far past the end of this small archive
  b.Add(longName);
  ZipEntry longExtra = ZipEntry::Stored("longextra.txt", "cut");
  longExtra.localExtraLength = 0xFFF0;
  b.Add(longExtra);
  b.Add(ZipEntry::Stored("last.txt", "last"));
  // The second entry's directory record points into the first entry's data.
  b.Build();
  b.Entries()[1].centralLocalHeaderOffset = static_cast<uint32_t>(b.localOffsets[0] + 32);
  EXPECT_EQ(Extract(b), 3);
  EXPECT_EQ(ended, (std::vector<std::string>{"first.txt", "middle.txt", "last.txt"}));
  EXPECT_EQ(ReadFile(out + "/middle.txt"), CompressibleText(3000));
  EXPECT_EQ(badCrcs, 0);
  ASSERT_EQ(SkippedNames(TSkipReason::srBadLocalHeader),
            (std::vector<std::string>{"wrongoffset.txt", "longname.txt", "longextra.txt"}));
  EXPECT_EQ(skipped[0].message, "Bad local header for wrongoffset.txt at offset " +
                                    std::to_string(b.localOffsets[0] + 32));
  EXPECT_EQ(skipped[1].message, "Bad local header for longname.txt at offset " + std::to_string(b.localOffsets[3]));
  EXPECT_TRUE(unzip.SkipMessage().empty());
  EXPECT_FALSE(Exists(out + "/wrongoffset.txt"));
  EXPECT_FALSE(Exists(out + "/longname.txt"));
}

TEST_F(HostileArchiveTest, OffsetPastTheEndOfTheArchiveIsABadLocalHeader) {
  ZipBuilder b;
  ZipEntry e = ZipEntry::Stored("far.txt", "x");
  e.centralLocalHeaderOffset = 0x7FFFFFF0;
  b.Add(e);
  b.Add(ZipEntry::Stored("near.txt", "y"));
  EXPECT_EQ(Extract(b), 1);
  ASSERT_EQ(SkippedNames(TSkipReason::srBadLocalHeader), (std::vector<std::string>{"far.txt"}));
  EXPECT_EQ(skipped[0].message, "Bad local header for far.txt at offset 2147483632");
}

TEST_F(HostileArchiveTest, GuardRunsOnThePathLeftAfterTheRelativePrefix) {
  ZipBuilder b;
  b.Add(ZipEntry::Stored("a../x.txt", "escaped"));
  b.Add(ZipEntry::Stored("a../../y.txt", "escaped"));
  b.Add(ZipEntry::Stored("ab/z.txt", "kept"));
  // A prefix without its "\" (SetRootDir would add one) cuts "a" off
  // "a..\": what remains climbs out.
  unzip.RelativePathList = {"a"};
  EXPECT_EQ(Extract(b), 1);
  EXPECT_EQ(ReadFile(out + "/b/z.txt"), "kept");
  EXPECT_EQ(SkippedNames(TSkipReason::srCreateError), (std::vector<std::string>{"a..\\x.txt", "a..\\..\\y.txt"}));
  EXPECT_FALSE(Exists(dir / "x.txt"));
  EXPECT_FALSE(Exists(dir / "y.txt"));
  EXPECT_FALSE(Exists(dir.Path() + "/../y.txt"));
}

TEST_F(HostileArchiveTest, WindowsDeviceAndStreamNamesAreNeverOpened) {
  const std::vector<std::string> refused = {
      "CON", "con.txt", "Prn.log", "aux", "NUL.tar.gz", "COM1", "com9.dat", "LPT1.txt", "lpt9",
      "dir/nul", "Con/inner.txt", "nul .txt", "file.txt:stream", "dir/a:b", "dot.", "space ", "dir./f.txt"};
  const std::vector<std::string> kept = {"CONSOLE.txt", "COM10.txt", "com0.txt", "LPT.txt", "nullify",
                                         "a.b.c", "dir/auxiliary.txt", "prn_x"};
  ZipBuilder b;
  for (const std::string& n : refused) b.Add(ZipEntry::Stored(n, "device"));
  for (const std::string& n : kept) b.Add(ZipEntry::Stored(n, "plain"));
  EXPECT_EQ(Extract(b), static_cast<int>(kept.size()));
  std::vector<std::string> expected;
  for (std::string n : refused) {
    for (char& c : n)
      if (c == '/') c = '\\';
    expected.push_back(n);
  }
  EXPECT_EQ(SkippedNames(TSkipReason::srCreateError), expected);
  for (const std::string& n : kept) EXPECT_EQ(ReadFile(out + "/" + n), "plain") << n;
  // The same names without directories are refused alike.
  unzip.RecreateDirs = false;
  skipped.clear();
  ZipBuilder flat;
  flat.Add(ZipEntry::Stored("x/CON.txt", "device"));
  flat.Add(ZipEntry::Stored("x/ok.txt", "plain"));
  EXPECT_EQ(Extract(flat), 1);
  EXPECT_EQ(SkippedNames(TSkipReason::srCreateError), (std::vector<std::string>{"x\\CON.txt"}));
}

// Three Zip64 entries each claiming 2^62 bytes: together more than INT64_MAX.
ZipBuilder HugeEntries(const std::string& prefix, const std::string& suffix) {
  ZipBuilder b;
  for (int i = 0; i < 3; ++i) {
    ZipEntry e = ZipEntry::Stored(prefix + std::to_string(i) + suffix, "tiny");
    e.uncompressedSize = uint64_t{1} << 62;
    e.zip64 = true;
    b.Add(e);
  }
  return b;
}

TEST_F(HostileArchiveTest, HugeClaimedSizesSaturateTheRunTotal) {
  ZipBuilder b = HugeEntries("huge", ".bin");
  int64_t announced = 0;
  unzip.OnStartUnZipInfo = [&](TUnZip&, int, int64_t total, bool& stop) {
    announced = total;
    stop = true;  // nothing of that size is written here
  };
  EXPECT_EQ(Extract(b), 0);
  EXPECT_EQ(announced, INT64_MAX);
  EXPECT_EQ(unzip.TotalBytes(), INT64_MAX);
}

TEST_F(HostileArchiveTest, SkippedHugeEntriesLeaveTheTotalAtZeroNotBelow) {
  // Device names: each is skipped and its size taken off the saturated total.
  ZipBuilder b = HugeEntries("dev", "/nul");
  EXPECT_EQ(Extract(b), 0);
  EXPECT_EQ(skipped.size(), 3u);
  EXPECT_EQ(unzip.TotalBytes(), 0);
}

// A password other than the right one whose check byte still matches (one
// in 256 do): the header check passes and only the CRC tells.
std::string WrongPasswordPassingTheCheck(const ZipEntry& e) {
  const auto* header = reinterpret_cast<const uint8_t*>(e.data.data());
  const uint8_t expected = zip::TZipCrypt::ExpectedCheckByte(e.flags, e.crc, e.dosDateTime);
  for (int i = 0; i < 100000; ++i) {
    zip::TZipCrypt keys;
    const std::string candidate = "guess" + std::to_string(i);
    if (keys.CheckHeader(candidate, header, expected)) return candidate;
  }
  return "";
}

TEST_F(HostileArchiveTest, NewPasswordAfterABadCrcExtractsTheEntryAgain) {
  const std::string text = RandomBytes(3000, 11);
  ZipEntry e = ZipEntry::Stored("secret.bin", text);
  e.Encrypt("right");
  const std::string wrong = WrongPasswordPassingTheCheck(e);
  ASSERT_FALSE(wrong.empty());
  ZipBuilder b;
  b.Add(e);
  b.Add(ZipEntry::Stored("plain.txt", "plain"));
  unzip.Password = wrong;
  std::vector<std::string> offered;
  unzip.OnBadPassword = [&](TUnZip&, int i, std::string& p) {
    offered.push_back(std::to_string(i) + ":" + p);
    p = "right";
  };
  EXPECT_EQ(Extract(b), 2);
  EXPECT_EQ(offered, (std::vector<std::string>{"0:" + wrong}));
  EXPECT_EQ(ReadFile(out + "/secret.bin"), text);
  EXPECT_EQ(unzip.Password, "right");
  EXPECT_EQ(badCrcs, 0);
  EXPECT_TRUE(skipped.empty());

  // A handler that offers the same password again ends in srBadPassword,
  // and the garbage it decrypted is gone.
  unzip.Password = wrong;
  offered.clear();
  unzip.OnBadPassword = [&](TUnZip&, int i, std::string& p) { offered.push_back(std::to_string(i) + ":" + p); };
  platform::RemoveFile(platform::EnginePath(out + "/secret.bin"));
  EXPECT_EQ(Extract(b), 1);
  EXPECT_EQ(offered, (std::vector<std::string>{"0:" + wrong}));
  EXPECT_EQ(SkippedNames(TSkipReason::srBadPassword), (std::vector<std::string>{"secret.bin"}));
  EXPECT_FALSE(Exists(out + "/secret.bin"));
}

}  // namespace
}  // namespace tavo::test

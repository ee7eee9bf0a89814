// Traditional decryption: archives encrypted by Info-ZIP zip are checked and
// decoded through the pipeline; the header check byte and retry passwords.
#include <gtest/gtest.h>

#include <cstring>

#include "support/TestFiles.h"
#include "support/ZipBuilder.h"
#include "unzip/DataPipeline.h"
#include "unzip/ZipCrypt.h"
#include "unzip/codec/CodecHelpers.h"

namespace tavo::test {
namespace {

using zip::TZipCrypt;

// Encrypts as a ZIP writer does: a 12-byte header ending in `check`, then
// the data; each plain byte is XORed with the key stream and fed to the keys.
std::string Encrypt(const std::string& plain, const std::string& password, uint8_t check) {
  TZipCrypt keys;
  keys.SetUp(password);
  std::string in = std::string("\x11\x22\x33\x44\x55\x66\x77\x88\x99\xAA\xBB", 11) + char(check) + plain;
  std::string out;
  for (char c : in) {
    const uint8_t p = static_cast<uint8_t>(c);
    out.push_back(static_cast<char>(p ^ keys.DecryptByte()));
    keys.UpdateKeys(p);
  }
  return out;
}

// Decodes an encrypted raw entry after checking its header with `password`.
std::string DecodeEncrypted(const RawEntry& e, const std::string& password, bool passwordEmptyFlag = false) {
  TZipCrypt keys;
  const auto* header = reinterpret_cast<const uint8_t*>(e.data.data());
  EXPECT_TRUE(keys.CheckHeader(password, header, TZipCrypt::ExpectedCheckByte(e.flags, e.crc, e.dosDateTime)));
  zip::TDataPipeline pipe;
  std::string out;
  size_t at = TZipCrypt::kHeaderSize;
  pipe.ReadBlock = [&](uint8_t* b, size_t n) {
    std::memcpy(b, e.data.data() + at, n);
    at += n;
    return n;
  };
  pipe.WriteBlock = [&](const uint8_t* d, size_t n) {
    out.append(reinterpret_cast<const char*>(d), n);
    return n;
  };
  zip::TPipelineEntry entry;
  entry.CompressionMethod = e.method;
  entry.BitFlag = e.flags;
  entry.CompressedSize = e.data.size() - TZipCrypt::kHeaderSize;
  entry.UncompressedSize = e.uncompressedSize;
  entry.Keys = &keys;
  entry.PasswordEmpty = passwordEmptyFlag;
  pipe.Reset(entry);
  EXPECT_TRUE(pipe.Decode());
  EXPECT_EQ(pipe.Crc(), e.crc);
  return out;
}

struct ZipCase {
  const char* name;
  const char* options;  // for Info-ZIP zip
  bool streamed;        // input from a pipe: bit 3 and a data descriptor
};

class InfoZipEncrypted : public ::testing::TestWithParam<ZipCase> {};

TEST_P(InfoZipEncrypted, DecryptsToTheOriginal) {
  if (!HaveTool("zip")) GTEST_SKIP() << "Info-ZIP zip not installed";
  ScratchDir dir;
  const std::string plain = CompressibleText(100000, 11) + RandomBytes(3000, 12);
  WriteFile(dir / "f.txt", plain);
  const std::string password = "s3cr\xe9t pass";
  const std::string cmd = GetParam().streamed
                              ? "cat f.txt | zip -q " + std::string(GetParam().options) + " -P " +
                                    ShellQuote(password) + " a.zip -"
                              : "zip -q " + std::string(GetParam().options) + " -P " + ShellQuote(password) +
                                    " a.zip f.txt";
  ASSERT_EQ(RunCommand(cmd, nullptr, dir.Path()), 0);
  const std::vector<RawEntry> entries = ReadRawEntries(ReadFile(dir / "a.zip"));
  ASSERT_EQ(entries.size(), 1u);
  const RawEntry& e = entries[0];
  EXPECT_EQ(e.flags & 1, 1);
  // Info-ZIP zip writes encrypted entries with a data descriptor (bit 3) in
  // any case, so their check byte is the DOS time's high byte.
  if (GetParam().streamed) {
    EXPECT_EQ(e.flags & 8, 8);
  }
  EXPECT_TRUE(DecodeEncrypted(e, password) == plain);

  // Wrong passwords fail the check. The check is one byte and zip's header
  // is random, so one wrong password in 256 passes by chance: of 64 wrong
  // ones, a working check lets through a few at most (8 or more happens
  // less than once in ten million runs); a check that accepts anything
  // lets all 64 through.
  int passed = 0;
  for (int i = 0; i < 64; ++i) {
    TZipCrypt keys;
    if (keys.CheckHeader("wrong" + std::to_string(i), reinterpret_cast<const uint8_t*>(e.data.data()),
                         TZipCrypt::ExpectedCheckByte(e.flags, e.crc, e.dosDateTime)))
      ++passed;
  }
  EXPECT_LT(passed, 8);
}

INSTANTIATE_TEST_SUITE_P(Archives, InfoZipEncrypted,
                         ::testing::Values(ZipCase{"stored", "-0", false}, ZipCase{"deflated", "-9", false},
                                           ZipCase{"stored_streamed", "-0", true},
                                           ZipCase{"deflated_streamed", "-6", true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ZipCrypt, CheckByteIsTheDosTimeHighByteWithADataDescriptor) {
  EXPECT_EQ(TZipCrypt::ExpectedCheckByte(0x0009, 0xAABBCCDD, 0x58C96A12), 0x6A);
  EXPECT_EQ(TZipCrypt::ExpectedCheckByte(0x0001, 0xAABBCCDD, 0x58C96A12), 0xAA);
}

TEST(ZipCrypt, SameHeaderBytesCanBeCheckedAgainWithAnotherPassword) {
  const std::string plain = "retry me";
  const std::string enc = Encrypt(plain, "right", 0x5C);
  const auto* header = reinterpret_cast<const uint8_t*>(enc.data());
  TZipCrypt keys;
  EXPECT_FALSE(keys.CheckHeader("wrong", header, 0x5C));
  ASSERT_TRUE(keys.CheckHeader("right", header, 0x5C));
  std::string body = enc.substr(12);
  keys.DecryptBlock(reinterpret_cast<uint8_t*>(body.data()), body.size());
  EXPECT_EQ(body, plain);
}

TEST(ZipCrypt, EncryptedStoredEntryWithEmptyPasswordIsWrittenUndecrypted) {
  // The header passes the check with the empty password by construction;
  // the stored data then goes out exactly as it is in the archive.
  const std::string plain = RandomBytes(40000, 3);
  const std::string enc = Encrypt(plain, "", 0x77);
  RawEntry e;
  e.method = 0;
  e.flags = 1;
  e.crc = 0x77000000u | (Crc32(enc.substr(12)) & 0x00FFFFFFu);
  e.uncompressedSize = plain.size();
  e.data = enc;
  TZipCrypt keys;
  ASSERT_TRUE(keys.CheckHeader("", reinterpret_cast<const uint8_t*>(enc.data()), 0x77));
  zip::TDataPipeline pipe;
  std::string out;
  size_t at = 12;
  pipe.ReadBlock = [&](uint8_t* b, size_t n) {
    std::memcpy(b, enc.data() + at, n);
    at += n;
    return n;
  };
  pipe.WriteBlock = [&](const uint8_t* d, size_t n) {
    out.append(reinterpret_cast<const char*>(d), n);
    return n;
  };
  zip::TPipelineEntry entry;
  entry.CompressionMethod = 0;
  entry.BitFlag = 1;
  entry.CompressedSize = plain.size();
  entry.UncompressedSize = plain.size();
  entry.Keys = &keys;
  entry.PasswordEmpty = true;
  pipe.Reset(entry);
  EXPECT_TRUE(pipe.Decode());
  EXPECT_TRUE(out == enc.substr(12));
  EXPECT_FALSE(out == plain);
}

TEST(ZipCrypt, OnDecryptReplacesTheBuiltInDecryptionForInputBlocks) {
  const std::string plain = CompressibleText(50000, 1);
  const std::string packed = DeflateRaw(plain);
  std::string scrambled = packed;
  for (char& c : scrambled) c = static_cast<char>(c ^ 0x5A);
  zip::TDataPipeline pipe;
  std::string out;
  size_t at = 0, calls = 0;
  TZipCrypt keys;
  pipe.ReadBlock = [&](uint8_t* b, size_t n) {
    std::memcpy(b, scrambled.data() + at, n);
    at += n;
    return n;
  };
  pipe.WriteBlock = [&](const uint8_t* d, size_t n) {
    out.append(reinterpret_cast<const char*>(d), n);
    return n;
  };
  pipe.OnDecrypt = [&](uint8_t* b, size_t n) {
    ++calls;
    for (size_t i = 0; i < n; ++i) b[i] ^= 0x5A;
  };
  zip::TPipelineEntry entry;
  entry.CompressionMethod = 8;
  entry.BitFlag = 1;
  entry.CompressedSize = packed.size();
  entry.UncompressedSize = plain.size();
  entry.Keys = &keys;
  pipe.Reset(entry);
  EXPECT_TRUE(pipe.Decode());
  EXPECT_TRUE(out == plain);
  EXPECT_EQ(calls, (packed.size() + 32767) / 32768);
}

}  // namespace
}  // namespace tavo::test

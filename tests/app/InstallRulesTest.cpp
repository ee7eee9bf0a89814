// The install directory creation rule, over a fake directory tree.
#include "app/InstallRules.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace tavo::app {
namespace {

// A tree of existing directories that records what gets created.
class FakeTree {
 public:
  explicit FakeTree(std::set<std::string> existing, std::set<std::string> refused = {})
      : existing_(std::move(existing)), refused_(std::move(refused)) {}

  TDirectoryOps Ops() {
    return TDirectoryOps{
        [this](const std::string& p) { return existing_.count(p) > 0; },
        [this](const std::string& p) {
          if (refused_.count(p)) return false;
          created.push_back(p);
          existing_.insert(p);
          return true;
        }};
  }

  std::vector<std::string> created;

 private:
  std::set<std::string> existing_;
  std::set<std::string> refused_;
};

struct CreateCase {
  const char* name;
  const char* path;
  bool ok;
  std::vector<std::string> created;
};

class CreateInstallDir : public ::testing::TestWithParam<CreateCase> {};

TEST_P(CreateInstallDir, CreatesMissingParentsInOrder) {
  FakeTree tree({"C:\\Existing", "D:\\Apps"});
  EXPECT_EQ(CreateInstallDirectory(GetParam().path, tree.Ops()), GetParam().ok);
  EXPECT_EQ(tree.created, GetParam().created);
}

const CreateCase kCreateCases[] = {
    {"Empty", "", false, {}},
    {"Blanks", "   ", false, {}},
    {"RelativeName", "Apps", false, {}},
    {"RelativeNameWithSlash", "Apps\\", false, {}},
    {"DriveOnly", "D:", true, {}},
    {"DriveRoot", "D:\\", true, {}},
    {"Existing", "D:\\Apps", true, {}},
    {"ExistingWithSeparator", "D:\\Apps\\", true, {}},
    {"OneLevel", "D:\\Apps\\tavo", true, {"D:\\Apps\\tavo"}},
    {"ThreeLevels", "E:\\a\\b\\c\\", true, {"E:\\a", "E:\\a\\b", "E:\\a\\b\\c"}},
    // The text as typed: trailing blanks are part of the last name.
    {"TrailingBlanksKept", "D:\\Apps\\x  ", true, {"D:\\Apps\\x  "}},
    // 0xD5 0x5C is one GBK character: its second byte is not a separator.
    {"TrailByteBackslash", "D:\\\xD5\x5C", true, {"D:\\\xD5\x5C"}},
    {"TrailByteInMiddle", "D:\\\xD5\x5C\\y", true, {"D:\\\xD5\x5C", "D:\\\xD5\x5C\\y"}},
    {"DriveRelative", "D:abc", true, {"D:abc"}},
};

INSTANTIATE_TEST_SUITE_P(Rule, CreateInstallDir, ::testing::ValuesIn(kCreateCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CreateInstallDirectory, FailsWhenAParentCannotBeMadeAndCreatesNothingBelowIt) {
  FakeTree tree({}, {"F:\\locked"});
  EXPECT_FALSE(CreateInstallDirectory("F:\\locked\\inner\\deep", tree.Ops()));
  EXPECT_TRUE(tree.created.empty());
}

// Whether a typed text may be taken for an existing directory: only when it
// still has a drive or a separator once one trailing "\" is dropped.
struct DirectoryPartCase {
  const char* name;
  const char* path;
  bool has;
};

class TypedDirectory : public ::testing::TestWithParam<DirectoryPartCase> {};

TEST_P(TypedDirectory, HasADirectoryPart) { EXPECT_EQ(HasDirectoryPart(GetParam().path), GetParam().has); }

const DirectoryPartCase kDirectoryPartCases[] = {
    {"Empty", "", false},
    {"Blanks", "   ", false},
    {"BareName", "Apps", false},
    {"BareNameWithSeparator", "Apps\\", false},
    {"Drive", "D:", true},
    {"DriveRoot", "D:\\", true},
    {"Absolute", "D:\\Apps", true},
    {"AbsoluteWithBlanks", "D:\\Apps  ", true},
    {"RelativeSubfolder", "Apps\\tavo", true},
    // 0xD5 0x5C is one GBK character, not a name followed by "\".
    {"TrailByteIsNoSeparator", "\xD5\x5C", false},
};

INSTANTIATE_TEST_SUITE_P(Rule, TypedDirectory, ::testing::ValuesIn(kDirectoryPartCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LaunchBuffer, HoldsAtMost199BytesOfPath) {
  EXPECT_TRUE(FitsLaunchBuffer(std::string(199, 'a')));
  EXPECT_FALSE(FitsLaunchBuffer(std::string(200, 'a')));
}

}  // namespace
}  // namespace tavo::app

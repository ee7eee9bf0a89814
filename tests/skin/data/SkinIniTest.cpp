// The skin INI dialect and every value reader, as tables of text and result.
#include <gtest/gtest.h>

#include "skin/SkinExceptions.h"
#include "skin/SkinIni.h"

namespace tavo::skin {
namespace {

TSkinIni Ini(std::string_view text) { return TSkinIni(TSkinIni::SplitLines(text)); }

TEST(SkinIniLines, EveryLineEndAndTheZeroByte) {
  using V = std::vector<std::string>;
  EXPECT_EQ(TSkinIni::SplitLines("a\r\nb\rc\nd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(TSkinIni::SplitLines("a\r\n\r\nb\r\n"), (V{"a", "", "b"}));
  EXPECT_EQ(TSkinIni::SplitLines("a\n\rb"), (V{"a", "", "b"}));  // LF then a lone CR: two ends
  EXPECT_EQ(TSkinIni::SplitLines(std::string_view("a\r\nb\0c\r\nd", 10)), (V{"a", "b"}));
}

TEST(SkinIniDialect, TrimsCommentsCaseAndLaterWins) {
  const TSkinIni ini = Ini(
      "key=before any section\r\n"
      "  [ Main ]  \r\n"
      "\t Name = \t value with spaces \x01\r\n"
      "; name=comment\r\n"
      "NAME=later\r\n"
      "no equals sign\r\n"
      "empty=\r\n"
      "[other]\r\n"
      "x=1\r\n"
      "[MAIN]\r\n"
      "only=in the later section\r\n");
  EXPECT_FALSE(ini.Find("", "key").has_value());
  // The later [MAIN] hides the earlier [ Main ] entirely.
  EXPECT_EQ(ini.ReadString("main", "only", "d"), "in the later section");
  EXPECT_EQ(ini.ReadString("main", "name", "d"), "d");
  EXPECT_EQ(ini.ReadString("OTHER", "X", "d"), "1");
  EXPECT_TRUE(ini.SectionExists("Other"));
  EXPECT_FALSE(ini.SectionExists("missing"));

  const TSkinIni single = Ini("[s]\r\n Name = first \r\nNAME=later\r\nno equals sign\r\nempty=\r\n;c=1\r\n");
  EXPECT_EQ(single.ReadString("S", "name", "d"), "later");
  EXPECT_EQ(single.ReadString("s", "empty", "d"), "");  // present and empty is not absent
  EXPECT_EQ(single.ReadString("s", "no equals sign", "d"), "d");
  EXPECT_EQ(single.ReadString("s", ";c", "d"), "d");
  EXPECT_EQ(single.SectionSize("s"), 4u);
}

TEST(SkinIniDialect, DoubleByteTrailBytesAreNotUpperCased) {
  // 0x81 0x61 is one character; upper-casing its trail byte would make it
  // match 0x81 0x41.
  const std::string lower = "k\x81\x61";
  const std::string upper = "k\x81\x41";
  const TSkinIni ini(std::vector<std::string>{"[s]", lower + "=1"});
  EXPECT_EQ(ini.ReadInteger("s", lower, 0), 1);
  EXPECT_EQ(ini.ReadInteger("s", upper, 0), 0);
  EXPECT_EQ(ini.ReadInteger("s", "K\x81\x61", 0), 1);
}

struct TIntCase {
  const char* text;
  int32_t expected;
};

class SkinIniIntegers : public ::testing::TestWithParam<TIntCase> {};

TEST_P(SkinIniIntegers, ReadsOrDefaults) {
  const TSkinIni ini(std::vector<std::string>{"[s]", std::string("v=") + GetParam().text});
  EXPECT_EQ(ini.ReadInteger("s", "v", -77), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Table, SkinIniIntegers,
                         ::testing::Values(TIntCase{"42", 42}, TIntCase{"-42", -42}, TIntCase{"+7", 7},
                                           TIntCase{"0x1F", 31}, TIntCase{"0X1f", 31}, TIntCase{"$FF", 255},
                                           TIntCase{"$FFFFFFFF", -1}, TIntCase{"8404992", 0x804000},
                                           TIntCase{"2147483647", 2147483647},
                                           TIntCase{"-2147483648", INT32_MIN}, TIntCase{"2147483648", -77},
                                           TIntCase{"0x100000000", -77}, TIntCase{"12a", -77}, TIntCase{"", -77},
                                           TIntCase{"true", -77}, TIntCase{"0x", -77}, TIntCase{"1 2", -77}));

struct TValueCase {
  const char* line;  // the whole entry in section [s]
  std::function<void(const TSkinIni&)> check;
};

TEST(SkinIniValues, EveryReaderRow) {
  const std::vector<TValueCase> cases = {
      {"skinrect=-3, 4 ,5,6", [](auto& i) { EXPECT_EQ(ReadRect(i, "s", "skinrect"), (TRect{3, 4, 5, 6})); }},
      {"skinrect=1,2,3,4,5", [](auto& i) { EXPECT_EQ(ReadRect(i, "s", "skinrect"), (TRect{1, 2, 3, 4})); }},
      {"skinrect=a1b,2x2,,3;3,44", [](auto& i) { EXPECT_THROW(ReadRect(i, "s", "skinrect"), EConvertError); }},
      {"point=12 , 0x5", [](auto& i) { EXPECT_EQ(ReadPoint(i, "s", "point"), (TPoint{12, 5})); }},
      {"other=1", [](auto& i) { EXPECT_EQ(ReadRect(i, "s", "skinrect"), TRect{}); }},
      {"morphing=1", [](auto& i) { EXPECT_TRUE(ReadBoolean(i, "s", "morphing")); }},
      {"morphing=2", [](auto& i) { EXPECT_FALSE(ReadBoolean(i, "s", "morphing")); }},
      {"morphing=true", [](auto& i) { EXPECT_FALSE(ReadBoolean(i, "s", "morphing")); }},
      {"morphing=0x1", [](auto& i) { EXPECT_TRUE(ReadBoolean(i, "s", "morphing")); }},
      {"alignment=TACENTER", [](auto& i) { EXPECT_EQ(ReadAlignment(i, "s", "alignment"), TAlignment::taRightJustify); }},
      {"ALIGNMENT=tacenter", [](auto& i) { EXPECT_EQ(ReadAlignment(i, "s", "alignment"), TAlignment::taCenter); }},
      {"alignment=taleftjustify", [](auto& i) { EXPECT_EQ(ReadAlignment(i, "s", "alignment"), TAlignment::taLeftJustify); }},
      {"other=1", [](auto& i) { EXPECT_EQ(ReadAlignment(i, "s", "alignment"), TAlignment::taCenter); }},
      {"fontstyle=fsbold,fsunderline",
       [](auto& i) {
         const TFontStyles f = ReadFontStyle(i, "s", "fontstyle");
         EXPECT_TRUE(f.Contains(TFontStyle::fsBold));
         EXPECT_TRUE(f.Contains(TFontStyle::fsUnderline));
         EXPECT_FALSE(f.Contains(TFontStyle::fsItalic));
         EXPECT_FALSE(f.Contains(TFontStyle::fsStrikeOut));
       }},
      {"fontstyle=fsBold", [](auto& i) { EXPECT_TRUE(ReadFontStyle(i, "s", "fontstyle").Empty()); }},
      {"fontstyle=xfsitalicyfsstrikeout",
       [](auto& i) { EXPECT_EQ(ReadFontStyle(i, "s", "fontstyle").Bits(), (1 << 1) | (1 << 3)); }},
      {"morphkind=mkpush", [](auto& i) { EXPECT_EQ(ReadMorphKind(i, "s", "morphkind"), TMorphKind::mkPush); }},
      {"morphkind=mkleftslide", [](auto& i) { EXPECT_EQ(ReadMorphKind(i, "s", "morphkind"), TMorphKind::mkLeftSlide); }},
      {"morphkind=MKPUSH", [](auto& i) { EXPECT_EQ(ReadMorphKind(i, "s", "morphkind"), TMorphKind::mkDefault); }},
      {"inactiveeffect=iesepia",
       [](auto& i) { EXPECT_EQ(ReadInactiveEffect(i, "s", "inactiveeffect"), TInactiveEffect::ieGrayScale); }},
      {"inactiveeffect=ieinvert",
       [](auto& i) { EXPECT_EQ(ReadInactiveEffect(i, "s", "inactiveeffect"), TInactiveEffect::ieInvert); }},
      {"inactiveeffect=",
       [](auto& i) { EXPECT_EQ(ReadInactiveEffect(i, "s", "inactiveeffect"), TInactiveEffect::ieGrayScale); }},
      {"other=1",
       [](auto& i) { EXPECT_EQ(ReadInactiveEffect(i, "s", "inactiveeffect"), TInactiveEffect::ieBrightness); }},
      {"command=cmminimizetotray",
       [](auto& i) { EXPECT_EQ(ReadCommand(i, "s", "command"), TStdCommand::cmMinimizeToTray); }},
      {"command=cmclosex", [](auto& i) { EXPECT_EQ(ReadCommand(i, "s", "command"), TStdCommand::cmMinimizeToTray); }},
      {"command=cmrollup", [](auto& i) { EXPECT_EQ(ReadCommand(i, "s", "command"), TStdCommand::cmRollUp); }},
      {"other=1", [](auto& i) { EXPECT_EQ(ReadCommand(i, "s", "command"), TStdCommand::cmDefault); }},
  };
  for (const TValueCase& c : cases) {
    SCOPED_TRACE(c.line);
    c.check(TSkinIni(std::vector<std::string>{"[s]", c.line}));
  }
}

struct TBadNumberCase {
  const char* value;
  const char* message;
};

class SkinIniBadRects : public ::testing::TestWithParam<TBadNumberCase> {};

TEST_P(SkinIniBadRects, StopWithTheFieldInTheMessage) {
  const TSkinIni ini(std::vector<std::string>{"[s]", std::string("skinrect=") + GetParam().value});
  try {
    ReadRect(ini, "s", "skinrect");
    FAIL() << "read";
  } catch (const EConvertError& e) {
    EXPECT_STREQ(e.what(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(Table, SkinIniBadRects,
                         ::testing::Values(TBadNumberCase{"", "'' is not a valid integer value"},
                                           TBadNumberCase{"1,2", "'' is not a valid integer value"},
                                           TBadNumberCase{"1,,3,4", "'' is not a valid integer value"},
                                           TBadNumberCase{"1,2,3,x", "'' is not a valid integer value"},
                                           TBadNumberCase{"1,2,3,99999999999",
                                                          "'99999999999' is not a valid integer value"}));

TEST(SkinIniValues, ListsAndTheirCounts) {
  const TSkinIni ini = Ini("[p]\r\nactivepicturescount=3\r\n0=a.bmp\r\n2=c.bmp\r\n[q]\r\nlistcount=-1\r\n0=x\r\n"
                           "[r]\r\nlistcount=1000000\r\n0=x\r\n");
  std::vector<std::string> list{"stale"};
  ReadList(ini, "p", "activepictures", list);
  EXPECT_EQ(list, (std::vector<std::string>{"a.bmp", "", "c.bmp"}));
  ReadList(ini, "q", "list", list);
  EXPECT_TRUE(list.empty());
  // A damaged count is bounded by the largest index present.
  ReadList(ini, "r", "list", list);
  EXPECT_EQ(list, (std::vector<std::string>{"x"}));
}

TEST(SkinIniValues, WritersGiveTextTheReadersReadBack) {
  TSkinIni ini;
  WriteRect(ini, "s", "skinrect", TRect{1, -2, 3, 4});
  WritePoint(ini, "s", "point", TPoint{5, 6});
  TFontStyles styles;
  styles.Include(TFontStyle::fsItalic);
  styles.Include(TFontStyle::fsStrikeOut);
  WriteFontStyle(ini, "s", "fontstyle", styles);
  WriteAlignment(ini, "s", "alignment", TAlignment::taRightJustify);
  WriteMorphKind(ini, "s", "morphkind", TMorphKind::mkRightGradient);
  WriteInactiveEffect(ini, "s", "inactiveeffect", TInactiveEffect::ieNoise);
  WriteCommand(ini, "s", "command", TStdCommand::cmMinimizeToTray);
  WriteList(ini, "s", "names", {"a", "b"});
  const TSkinIni back(ini.Lines());
  EXPECT_EQ(back.ReadString("s", "skinrect", ""), "1,-2,3,4");
  EXPECT_EQ(ReadRect(back, "s", "skinrect"), (TRect{1, 2, 3, 4}));  // the sign is lost on reading
  EXPECT_EQ(ReadPoint(back, "s", "point"), (TPoint{5, 6}));
  EXPECT_EQ(back.ReadString("s", "fontstyle", ""), "fsitalic,fsstrikeout");
  EXPECT_EQ(back.ReadString("s", "alignment", ""), "tarightjustify");
  EXPECT_EQ(ReadMorphKind(back, "s", "morphkind"), TMorphKind::mkRightGradient);
  EXPECT_EQ(ReadInactiveEffect(back, "s", "inactiveeffect"), TInactiveEffect::ieNoise);
  EXPECT_EQ(back.ReadString("s", "command", ""), "cmminimizetotray");
  EXPECT_EQ(back.ReadString("s", "namescount", ""), "2");
  EXPECT_EQ(back.ReadString("s", "1", ""), "b");
}

}  // namespace
}  // namespace tavo::skin

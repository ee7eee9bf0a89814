// The enumeration set and the border icons' stored bits.
#include "core/EnumSet.h"

#include <gtest/gtest.h>

#include "core/BorderIcons.h"
#include "core/Exception.h"

namespace tavo {
namespace {

TEST(EnumSet, StoresEachValueAsItsOwnBit) {
  // The stored byte is part of the component's saved layout: the bit of each
  // value must never move.
  EXPECT_EQ(TBorderIcons{TBorderIcon::biSystemMenu}.ToBits(), 1);
  EXPECT_EQ(TBorderIcons{TBorderIcon::biMinimize}.ToBits(), 2);
  EXPECT_EQ(TBorderIcons{TBorderIcon::biMaximize}.ToBits(), 4);
  EXPECT_EQ(TBorderIcons{TBorderIcon::biRollUp}.ToBits(), 8);
  EXPECT_EQ(TBorderIcons{TBorderIcon::biMinimizeToTray}.ToBits(), 16);
  const TBorderIcons usual{TBorderIcon::biSystemMenu, TBorderIcon::biMinimize, TBorderIcon::biMaximize,
                           TBorderIcon::biRollUp};
  EXPECT_EQ(usual.ToBits(), 15);
}

TEST(EnumSet, IncludeExcludeAndSetOperations) {
  TBorderIcons s;
  EXPECT_TRUE(s.Empty());
  s.Include(TBorderIcon::biRollUp).Include(TBorderIcon::biMinimize);
  EXPECT_TRUE(s.Contains(TBorderIcon::biRollUp));
  EXPECT_TRUE(s.Contains(TBorderIcon::biMinimize));
  EXPECT_FALSE(s.Contains(TBorderIcon::biMaximize));
  s.Include(TBorderIcon::biRollUp);  // twice is once
  EXPECT_EQ(s.ToBits(), 10);
  s.Exclude(TBorderIcon::biMinimize).Exclude(TBorderIcon::biMaximize);
  EXPECT_EQ(s, TBorderIcons{TBorderIcon::biRollUp});

  const TBorderIcons a{TBorderIcon::biSystemMenu, TBorderIcon::biMaximize};
  const TBorderIcons b{TBorderIcon::biMaximize, TBorderIcon::biMinimizeToTray};
  EXPECT_EQ((a | b).ToBits(), 1 + 4 + 16);
  EXPECT_EQ(a & b, TBorderIcons{TBorderIcon::biMaximize});
  EXPECT_EQ(a - b, TBorderIcons{TBorderIcon::biSystemMenu});
  EXPECT_FALSE(a == b);
}

TEST(EnumSet, FromBitsDropsBitsBeyondTheEnumeration) {
  const TBorderIcons s = TBorderIcons::FromBits(0xFF, kBorderIconCount);
  EXPECT_EQ(s.ToBits(), 31);
  EXPECT_TRUE(s.Contains(TBorderIcon::biMinimizeToTray));
  EXPECT_EQ(TBorderIcons::FromBits(0x25, kBorderIconCount).ToBits(), 5);
  EXPECT_EQ(TBorderIcons::FromBits(0xA0).ToBits(), 0xA0);  // all bits kept without a count
}

TEST(InvalidCast, CarriesTheFixedMessage) {
  try {
    throw EInvalidCast();
  } catch (const Exception& e) {
    EXPECT_STREQ(e.what(), "Invalid class typecast");
    EXPECT_EQ(ErrorBoxText(e.Message()), "Invalid class typecast.");
  }
}

}  // namespace
}  // namespace tavo

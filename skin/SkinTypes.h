// The enumerated and set value types a skin's INI text carries: font styles,
// alignment, morph kind, inactive effect and caption-button command.
#pragma once

#include <cstdint>
#include <string>

namespace tavo::skin {

enum class TFontStyle : uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

// A set of font styles.
class TFontStyles {
 public:
  constexpr TFontStyles() = default;
  constexpr bool Contains(TFontStyle s) const { return (bits_ >> static_cast<int>(s)) & 1; }
  constexpr void Include(TFontStyle s) { bits_ = static_cast<uint8_t>(bits_ | (1u << static_cast<int>(s))); }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr uint8_t Bits() const { return bits_; }
  bool operator==(const TFontStyles&) const = default;

 private:
  uint8_t bits_ = 0;
};

enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

enum class TMorphKind { mkDefault, mkGradient, mkLeftGradient, mkRightGradient, mkLeftSlide, mkRightSlide, mkPush };

enum class TInactiveEffect { ieBrightness, ieDarkness, ieGrayScale, ieNoise, ieSplitBlur, ieInvert };

// Caption-button commands, in the order the skin text lists them.
enum class TStdCommand { cmClose, cmMaximize, cmMinimize, cmSysMenu, cmDefault, cmRollUp, cmMinimizeToTray };

}  // namespace tavo::skin

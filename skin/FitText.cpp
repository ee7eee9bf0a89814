// FitText: whole characters are dropped from the end, so a double-byte
// character is never cut in half and no stray lead byte is left before "...".
#include "skin/FitText.h"

#include "core/Mbcs.h"

namespace tavo::skin {

namespace {
// Length of text without its last whole character.
size_t WithoutLastCharacter(const std::string& text) {
  size_t start = 0, last = 0;
  while (start < text.size()) {
    last = start;
    const bool doubleByte = tavo::IsLeadByte(static_cast<unsigned char>(text[start])) && start + 1 < text.size();
    start += doubleByte ? 2 : 1;
  }
  return last;
}
}  // namespace

void FitText(const TTextWidthFunc& textWidth, std::string& text, int maxWidth) {
  if (textWidth(text) <= maxWidth) return;
  static const std::string kEllipsis = "...";
  do {
    text.resize(WithoutLastCharacter(text));
  } while (!text.empty() && textWidth(text + kEllipsis) > maxWidth);
  text += kEllipsis;
}

}  // namespace tavo::skin

// Shortening a caption with "..." to a width, over a text-measuring
// function so that it works (and is tested) without fonts.
#pragma once

#include <functional>
#include <string>

namespace tavo::skin {

// Width in pixels of an 8-bit text as the canvas would draw it.
using TTextWidthFunc = std::function<int(const std::string& text)>;

// Leaves text alone when it is at most maxWidth wide. Otherwise removes its
// last character (a double-byte character of code page 936 as a whole, never
// half of one) and repeats while text + "..." is wider than maxWidth and
// text is not empty; then appends "...". A text that never fits becomes
// "...".
void FitText(const TTextWidthFunc& textWidth, std::string& text, int maxWidth);

}  // namespace tavo::skin

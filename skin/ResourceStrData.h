// TResourceStrData: the texts the skinned parts show (menu captions, hints,
// dialog labels) as NAME=text lines, with their English defaults. Portable.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "skin/SkinComponent.h"

namespace tavo::skin {

class TResourceStrData : public TSkinComponent {
 public:
  // Starts with the 115 default lines.
  TResourceStrData();

  const std::vector<std::string>& ResStrings() const { return resStrings_; }
  // Copies the lines.
  void SetResStrings(const std::vector<std::string>& lines) { resStrings_ = lines; }

  // The text after "=" of the first line whose name (before the first "=")
  // equals name ignoring case; empty when there is none.
  std::string GetResStr(std::string_view name) const;

  // Font character set for the strings; 1 is the default character set.
  int CharSet = 1;

  static const std::vector<std::string>& DefaultLines();

 private:
  std::vector<std::string> resStrings_;
};

}  // namespace tavo::skin

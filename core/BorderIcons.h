// The caption buttons a window offers, shared by the toolkit's forms and the
// skinned frame: stored as the bits 1, 2, 4, 8 and 16 of one byte.
#pragma once

#include <cstdint>

#include "core/EnumSet.h"

namespace tavo {

enum class TBorderIcon : uint8_t { biSystemMenu, biMinimize, biMaximize, biRollUp, biMinimizeToTray };

using TBorderIcons = TEnumSet<TBorderIcon, uint8_t>;

constexpr unsigned kBorderIconCount = 5;

}  // namespace tavo

// Test packages made on the spot: a ZIP archive whose entries are stored
// (not compressed, not encrypted), so that a test can give the installer
// exactly the files it needs.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace tavo::testing_support {

// Entry name (with "\" or "/" separators, stored with "/") and content.
using TStoredEntry = std::pair<std::string, std::string>;

// The bytes of a ZIP archive holding the entries in order, each stored with
// its CRC-32 and a fixed date.
std::string StoredZip(const std::vector<TStoredEntry>& entries);

}  // namespace tavo::testing_support

// The comparisons behind every sort mode of the entry list.
#include "unzip/SortedZip.h"

#include <algorithm>
#include <numeric>

#include "core/Exception.h"
#include "core/Mbcs.h"
#include "platform/CodePage.h"
#include "unzip/ZipExceptions.h"

namespace tavo::zip {

int CompareNamesFolded(const std::string& a, const std::string& b) {
  return CompareTextMbcs(a, b, platform::AnsiCodePage());
}

int CompressionRate(const TZipHeaderInfo& entry) {
  const uint64_t whole = entry.EffectiveUncompressedSize();
  if (whole == 0) return 0;
  const long double part = static_cast<long double>(entry.EffectiveCompressedSize());
  const long double rate = part * 100.0L / static_cast<long double>(whole) + 0.5L;
  return rate >= 100.0L ? 100 : static_cast<int>(rate);
}

namespace {

// A DOS date-time as a number that orders like the moment it names. A date
// naming no real day (31 February survives the field clamping) cannot be
// converted to a moment and counts as 0, the earliest.
uint64_t DateKey(uint32_t dosDateTime) {
  const uint32_t date = dosDateTime >> 16;
  const uint32_t year = 1980 + (date >> 9), month = (date >> 5) & 0x0F, day = date & 0x1F;
  static const uint8_t kDays[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  if (month < 1 || month > 12 || day < 1) return 0;
  const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  const uint32_t last = kDays[month - 1] + (month == 2 && leap ? 1 : 0);
  if (day > last) return 0;
  const uint32_t time = dosDateTime & 0xFFFF;
  if ((time >> 11) > 23 || ((time >> 5) & 0x3F) > 59 || (time & 0x1F) > 29) return 0;
  return dosDateTime;
}

}  // namespace

int TSortedZip::Compare(const TZipHeaderInfo& a, const TZipHeaderInfo& b) const {
  switch (SortMode) {
    case TZipSortMode::ByName: return CompareNamesFolded(a.Path(), b.Path());
    case TZipSortMode::ByFileName: return CompareNamesFolded(a.FileName(), b.FileName());
    case TZipSortMode::ByDirectoryName: return CompareNamesFolded(a.Directory(), b.Directory());
    case TZipSortMode::ByDate: return DateKey(b.LastModDateTime) > DateKey(a.LastModDateTime) ? 1 : -1;
    case TZipSortMode::ByCompressedSize:
      return b.EffectiveCompressedSize() > a.EffectiveCompressedSize() ? 1 : -1;
    case TZipSortMode::ByUnCompressedSize:
      return b.EffectiveUncompressedSize() > a.EffectiveUncompressedSize() ? 1 : -1;
    case TZipSortMode::ByRate: return CompressionRate(b) - CompressionRate(a);
    case TZipSortMode::ByNone:
    default: {
      const int64_t da = a.EffectiveDiskNumberStart(), db = b.EffectiveDiskNumberStart();
      if (da != db) return da < db ? -1 : 1;
      const uint64_t oa = a.EffectiveLocalHeaderOffset(), ob = b.EffectiveLocalHeaderOffset();
      return oa == ob ? 0 : oa < ob ? -1 : 1;
    }
  }
}

TZipHeaderInfo* TSortedZip::Items(int index) const {
  if (index < 0 || index >= Count()) throw EListError(Format(kMsgIndexOutOfRange, index));
  return items_[static_cast<size_t>(index)];
}

namespace {

// The physical place of an entry and where it was read; the order of the
// ByNone mode, kept in one array so that sorting touches no entry record.
struct TPlaceKey {
  uint64_t offset;
  uint32_t disk;
  uint32_t read;  // a list counts its entries in an int
};

constexpr size_t kPrefetchAhead = 8;

}  // namespace

std::vector<size_t> TSortedZip::InsertionOrder(std::vector<bool>& tied) const {
  const size_t n = items_.size();
  std::vector<size_t> order(n);
  tied.assign(n, false);
  if (SortMode == TZipSortMode::ByNone) {
    // Same order as the comparison below, from keys: ascending place, and
    // among equal places the entry read later first.
    std::vector<TPlaceKey> keys(n);
    bool ascending = true;
    for (size_t k = 0; k < n; ++k) {
      // The records lie apart in memory; ask for the ones ahead early.
      if (k + kPrefetchAhead < n) __builtin_prefetch(items_[k + kPrefetchAhead]);
      keys[k] = {items_[k]->EffectiveLocalHeaderOffset(), items_[k]->EffectiveDiskNumberStart(),
                 static_cast<uint32_t>(k)};
      if (k > 0 && !(keys[k - 1].disk < keys[k].disk ||
                     (keys[k - 1].disk == keys[k].disk && keys[k - 1].offset < keys[k].offset)))
        ascending = false;
    }
    if (!ascending)
      std::sort(keys.begin(), keys.end(), [](const TPlaceKey& x, const TPlaceKey& y) {
        if (x.disk != y.disk) return x.disk < y.disk;
        if (x.offset != y.offset) return x.offset < y.offset;
        return x.read > y.read;
      });
    for (size_t k = 0; k < n; ++k) {
      order[k] = keys[k].read;
      tied[k] = k > 0 && keys[k].disk == keys[k - 1].disk && keys[k].offset == keys[k - 1].offset;
    }
    return order;
  }
  // Inserting entry j (read after entry i) one by one puts it before i
  // exactly when Compare(i, j) is not negative; ordering the pairs that way
  // gives the same list in O(n log n). Every mode's comparison derives from
  // a key, so this is a strict total order and the position is unique.
  std::iota(order.begin(), order.end(), size_t{0});
  auto before = [this](size_t x, size_t y) {
    if (x == y) return false;
    if (x > y) return Compare(*items_[y], *items_[x]) >= 0;
    return Compare(*items_[x], *items_[y]) < 0;
  };
  std::sort(order.begin(), order.end(), before);
  for (size_t k = 1; k < n; ++k) tied[k] = Compare(*items_[order[k - 1]], *items_[order[k]]) == 0;
  return order;
}

void TSortedZip::Sort() {
  std::vector<bool> tied;
  std::vector<size_t> order = InsertionOrder(tied);
  const size_t n = order.size();
  std::vector<TZipHeaderInfo*> sorted;
  sorted.reserve(n);
  for (size_t k = 0; k < n; ++k) {
    // Equal entries lie side by side; the one read later is the duplicate.
    if (tied[k]) {
      if (Duplicates == TDuplicates::dupError) throw EListError(kMsgDuplicateIndex);
      if (Duplicates == TDuplicates::dupIgnore) {
        if (order[k] < order[k - 1]) sorted.back() = items_[order[k]];
        order[k] = std::min(order[k], order[k - 1]);
        continue;
      }
    }
    sorted.push_back(items_[order[k]]);
  }
  items_ = std::move(sorted);
}

int TSortedZip::Find(const TZipHeaderInfo& key) const {
  size_t lo = 0, hi = items_.size();
  while (lo < hi) {
    const size_t mid = lo + (hi - lo) / 2;
    if (Compare(*items_[mid], key) < 0)
      lo = mid + 1;
    else
      hi = mid;
  }
  return lo < items_.size() && Compare(*items_[lo], key) == 0 ? static_cast<int>(lo) : -1;
}

}  // namespace tavo::zip

// TObjectList and TSortedObjectList: growable lists of object references,
// optionally owning them, and a list kept ordered by a comparison with a
// duplicates policy.
#pragma once

#include <cstdint>
#include <vector>

#include "core/Exception.h"
#include "unzip/ZipExceptions.h"

namespace tavo::zip {

template <typename T>
class TObjectList {
 public:
  explicit TObjectList(bool ownsObjects = true) : ownsObjects_(ownsObjects) {}
  virtual ~TObjectList() { Clear(); }
  TObjectList(const TObjectList&) = delete;
  TObjectList& operator=(const TObjectList&) = delete;

  int Count() const { return static_cast<int>(items_.size()); }
  int Capacity() const { return capacity_; }
  bool OwnsObjects() const { return ownsObjects_; }

  // Throws EListError "Index %d is out of range".
  T* Items(int index) const {
    CheckIndex(index);
    return items_[static_cast<size_t>(index)];
  }
  T* operator[](int index) const { return Items(index); }

  int Add(T* item) {
    Insert(Count(), item);
    return Count() - 1;
  }
  void Insert(int index, T* item) {
    if (index < 0 || index > Count()) throw EListError(Format(kMsgIndexOutOfRange, index));
    if (Count() == capacity_) Grow();
    items_.insert(items_.begin() + index, item);
  }
  void Delete(int index) {
    CheckIndex(index);
    T* item = items_[static_cast<size_t>(index)];
    items_.erase(items_.begin() + index);
    if (ownsObjects_) delete item;
  }
  void Clear() {
    if (ownsObjects_)
      for (T* item : items_) delete item;
    items_.clear();
    capacity_ = 0;
    std::vector<T*>().swap(items_);
  }

 protected:
  void CheckIndex(int index) const {
    if (index < 0 || index >= Count()) throw EListError(Format(kMsgIndexOutOfRange, index));
  }

 private:
  // A capacity of 4 or less grows by 4, of 5 to 8 by 8, of more by 16.
  void Grow() {
    const int delta = capacity_ > 8 ? 16 : capacity_ > 4 ? 8 : 4;
    capacity_ += delta;
    // The vector may keep more room than the counted capacity; the count
    // above is what callers see.
    if (items_.capacity() < static_cast<size_t>(capacity_)) items_.reserve(std::max<size_t>(capacity_, items_.capacity() * 2));
  }

  bool ownsObjects_;
  int capacity_ = 0;
  std::vector<T*> items_;
};

enum class TDuplicates { dupIgnore = 0, dupAccept = 1, dupError = 2 };

// Keeps its items ordered by Compare(listed, new), which derived classes
// supply. A new item goes before the first listed item for which the
// comparison is not negative (binary search); on equality the duplicates
// policy applies: ignore drops the new item, error raises "Duplicate Object
// index", accept inserts it before the leftmost equal item.
template <typename T>
class TSortedObjectList : public TObjectList<T> {
 public:
  TSortedObjectList(bool ownsObjects, TDuplicates duplicates)
      : TObjectList<T>(ownsObjects), Duplicates(duplicates) {}

  // Returns the index of the added item, or -1 when it was dropped as a
  // duplicate (the caller then still owns it).
  int AddSorted(T* item) {
    int lo = 0, hi = this->Count();
    bool equal = false;
    while (lo < hi) {
      const int mid = lo + (hi - lo) / 2;
      const int c = Compare(*this->Items(mid), *item);
      if (c < 0) {
        lo = mid + 1;
      } else {
        if (c == 0) equal = true;
        hi = mid;
      }
    }
    if (!equal && lo < this->Count() && Compare(*this->Items(lo), *item) == 0) equal = true;
    if (equal) {
      if (Duplicates == TDuplicates::dupIgnore) return -1;
      if (Duplicates == TDuplicates::dupError) throw EListError(kMsgDuplicateIndex);
    }
    this->Insert(lo, item);
    return lo;
  }

  // Index of a listed item comparing equal to key, -1 when none.
  int Find(const T& key) const {
    int lo = 0, hi = this->Count();
    while (lo < hi) {
      const int mid = lo + (hi - lo) / 2;
      if (Compare(*this->Items(mid), key) < 0)
        lo = mid + 1;
      else
        hi = mid;
    }
    return lo < this->Count() && Compare(*this->Items(lo), key) == 0 ? lo : -1;
  }

  TDuplicates Duplicates;

 protected:
  virtual int Compare(const T& listed, const T& added) const = 0;
};

}  // namespace tavo::zip

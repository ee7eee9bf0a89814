// TEnumSet: a set of values of one enumeration, stored as bits of one
// unsigned integer (value n is bit 1 << n), with the set operations the
// components' properties use. Portable, header only.
#pragma once

#include <cstdint>
#include <initializer_list>
#include <type_traits>

namespace tavo {

template <class E, class Bits = uint32_t>
class TEnumSet {
  static_assert(std::is_enum_v<E>, "TEnumSet holds enumeration values");

 public:
  constexpr TEnumSet() = default;
  constexpr TEnumSet(std::initializer_list<E> values) {
    for (E v : values) bits_ |= Bit(v);
  }
  // The set whose stored bits are `bits`; bits beyond `count` values are
  // dropped, so a stored byte never yields values the enumeration lacks.
  static constexpr TEnumSet FromBits(Bits bits, unsigned count = sizeof(Bits) * 8) {
    TEnumSet s;
    s.bits_ = count >= sizeof(Bits) * 8 ? bits : static_cast<Bits>(bits & ((Bits{1} << count) - 1));
    return s;
  }

  constexpr Bits ToBits() const { return bits_; }
  constexpr bool Contains(E v) const { return (bits_ & Bit(v)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr TEnumSet& Include(E v) {
    bits_ |= Bit(v);
    return *this;
  }
  constexpr TEnumSet& Exclude(E v) {
    bits_ &= static_cast<Bits>(~Bit(v));
    return *this;
  }

  constexpr TEnumSet operator|(TEnumSet o) const { return FromBits(bits_ | o.bits_); }
  constexpr TEnumSet operator&(TEnumSet o) const { return FromBits(bits_ & o.bits_); }
  // Difference: the values of this set that are not in o.
  constexpr TEnumSet operator-(TEnumSet o) const { return FromBits(bits_ & static_cast<Bits>(~o.bits_)); }
  constexpr bool operator==(const TEnumSet&) const = default;

  static constexpr Bits Bit(E v) { return static_cast<Bits>(Bits{1} << static_cast<unsigned>(v)); }

 private:
  Bits bits_ = 0;
};

}  // namespace tavo

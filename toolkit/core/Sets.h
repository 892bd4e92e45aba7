#pragma once
// A set of up to 64 enumeration members, bit n = ordinal n, as a classic
// component library stores its "set of" properties.

#include <cstdint>
#include <initializer_list>

template <typename E>
class TSet {
 public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> members) {
    for (const E member : members) Include(member);
  }

  static constexpr TSet FromBits(uint64_t bits) {
    TSet set;
    set.bits_ = bits;
    return set;
  }
  constexpr uint64_t Bits() const { return bits_; }

  constexpr bool Contains(E member) const { return (bits_ & Bit(member)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr TSet& Include(E member) {
    bits_ |= Bit(member);
    return *this;
  }
  constexpr TSet& Exclude(E member) {
    bits_ &= ~Bit(member);
    return *this;
  }
  constexpr TSet& operator<<(E member) { return Include(member); }
  constexpr TSet& operator>>(E member) { return Exclude(member); }

  constexpr TSet operator+(TSet other) const { return FromBits(bits_ | other.bits_); }
  constexpr TSet operator-(TSet other) const { return FromBits(bits_ & ~other.bits_); }
  constexpr TSet operator*(TSet other) const { return FromBits(bits_ & other.bits_); }
  constexpr bool operator==(const TSet&) const = default;

 private:
  static constexpr uint64_t Bit(E member) {
    const auto ordinal = static_cast<uint64_t>(member);
    return ordinal < 64 ? uint64_t{1} << ordinal : 0;
  }
  uint64_t bits_ = 0;
};

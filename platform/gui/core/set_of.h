#pragma once

#include <cstdint>
#include <initializer_list>

// A set of enumeration values, as the class library's "set of" types: [fsBold, fsItalic].
template <typename E> class TSet
{
public:
    constexpr TSet() = default;
    constexpr TSet(E value) : bits_(Bit(value)) {}
    constexpr TSet(std::initializer_list<E> values)
    {
        for (E value : values)
            bits_ |= Bit(value);
    }

    constexpr bool Contains(E value) const { return (bits_ & Bit(value)) != 0; }
    constexpr bool Empty() const { return bits_ == 0; }
    constexpr void Include(E value) { bits_ |= Bit(value); }
    constexpr void Exclude(E value) { bits_ &= ~Bit(value); }

    constexpr TSet operator+(TSet other) const { return FromBits(bits_ | other.bits_); }
    constexpr TSet operator-(TSet other) const { return FromBits(bits_ & ~other.bits_); }
    constexpr TSet operator*(TSet other) const { return FromBits(bits_ & other.bits_); }
    constexpr TSet& operator+=(TSet other) { return *this = *this + other; }
    constexpr TSet& operator-=(TSet other) { return *this = *this - other; }
    friend constexpr bool operator==(TSet, TSet) = default;

    constexpr uint64_t Bits() const { return bits_; }
    static constexpr TSet FromBits(uint64_t bits)
    {
        TSet set;
        set.bits_ = bits;
        return set;
    }

private:
    static constexpr uint64_t Bit(E value) { return uint64_t{1} << static_cast<unsigned>(value); }
    uint64_t bits_ = 0;
};

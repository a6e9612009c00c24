// Fixed arrays with the bounds the game declares (intFlag(0 To 1000), gudtWeapon(0 To 50)): every
// access is checked, and an index outside the bounds is the subscript-out-of-range error instead of
// a stray read or write. Elements start value-initialised (0, empty text); copies copy everything.
#pragma once
#include <array>
#include <cstddef>

#include "common/vb_error.h"

namespace vb {

template <typename T, int Lo, int Hi>
class VbArray {
    static_assert(Lo <= Hi, "an array needs at least one element");

public:
    static constexpr int kLower = Lo;
    static constexpr int kUpper = Hi;
    static constexpr std::size_t kCount = static_cast<std::size_t>(Hi - Lo + 1);

    VbArray() : items_{} {}

    T& operator()(long i) { return items_[Slot(i)]; }
    const T& operator()(long i) const { return items_[Slot(i)]; }
    T& operator[](long i) { return items_[Slot(i)]; }
    const T& operator[](long i) const { return items_[Slot(i)]; }

    static constexpr bool InRange(long i) { return i >= Lo && i <= Hi; }

    // Every element back to its start value.
    void Clear() { items_ = {}; }

    auto begin() { return items_.begin(); }
    auto end() { return items_.end(); }
    auto begin() const { return items_.begin(); }
    auto end() const { return items_.end(); }

    bool operator==(const VbArray&) const = default;

private:
    static std::size_t Slot(long i) {
        if (!InRange(i)) Raise(kErrSubscript);
        return static_cast<std::size_t>(i - Lo);
    }
    std::array<T, kCount> items_;
};

}  // namespace vb

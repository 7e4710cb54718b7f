// The kinds of result-store slots: an object per design case (or per face), a number,
// and arrays of numbers. Every slot starts empty, so a reader can tell a value the run
// assigned from one it never reached; an empty number reads as 0.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <stdexcept>

namespace nuvra::calc {

/// Number of design cases: 1 flotation, 2 members with internal water, 3 bearing.
inline constexpr std::int32_t kCaseCount = 3;

/// One object slot per index First..First+Count-1 (a design case, a face).
template <class T, std::int32_t Count, std::int32_t First = 1>
class PerIndex {
  public:
    std::unique_ptr<T>& operator()(std::int32_t i) { return slots_.at(index(i)); }
    const std::unique_ptr<T>& operator()(std::int32_t i) const { return slots_.at(index(i)); }
    /// Lowest index first.
    auto begin() const { return slots_.begin(); }
    auto end() const { return slots_.end(); }
    /// True once any entry holds an object.
    bool begun() const {
        for (const auto& p : slots_)
            if (p) return true;
        return false;
    }

  private:
    static std::size_t index(std::int32_t i) {
        if (i < First || i >= First + Count) throw std::out_of_range("result slot index");
        return static_cast<std::size_t>(i - First);
    }
    std::array<std::unique_ptr<T>, Count> slots_;
};

/// Objects per design case, addressed by the case number 1..3.
template <class T>
using PerCase = PerIndex<T, kCaseCount>;

/// The two faces of a member: 1 outer or lower, 2 inner or upper.
template <class T>
using PerFace = PerIndex<T, 2>;

/// A number that a step assigns; empty before.
using NumberSlot = std::optional<double>;

/// The value of a number slot, 0 when no step assigned it.
inline double value(const NumberSlot& n) {
    return n.value_or(0.0);
}

/// Numbers indexed First..First+N-1. Empty until its first entry is set; from then on
/// the entries not set read 0.
template <std::size_t N, std::int32_t First = 1>
class NumberArray {
  public:
    void set(std::int32_t i, double v) {
        if (!v_) v_.emplace();
        (*v_)[index(i)] = v;
    }
    /// The entry, 0 when not set.
    double operator()(std::int32_t i) const { return v_ ? (*v_)[index(i)] : 0.0; }
    bool assigned() const { return v_.has_value(); }
    static constexpr std::int32_t first() { return First; }
    static constexpr std::int32_t size() { return static_cast<std::int32_t>(N); }

  private:
    static std::size_t index(std::int32_t i) {
        if (i < First || i >= First + static_cast<std::int32_t>(N))
            throw std::out_of_range("result slot index");
        return static_cast<std::size_t>(i - First);
    }
    std::optional<std::array<double, N>> v_;
};

/// A table of numbers per design case (rows 1..3) and component (columns 0..Cols-1).
template <std::size_t Cols>
class CaseTable {
  public:
    void set(std::int32_t c, std::int32_t comp, double v) {
        if (!v_) v_.emplace();
        (*v_)[row(c)][col(comp)] = v;
    }
    double operator()(std::int32_t c, std::int32_t comp) const {
        return v_ ? (*v_)[row(c)][col(comp)] : 0.0;
    }
    bool assigned() const { return v_.has_value(); }
    static constexpr std::int32_t columns() { return static_cast<std::int32_t>(Cols); }

  private:
    static std::size_t row(std::int32_t c) {
        if (c < 1 || c > kCaseCount) throw std::out_of_range("design case");
        return static_cast<std::size_t>(c - 1);
    }
    static std::size_t col(std::int32_t k) {
        if (k < 0 || k >= static_cast<std::int32_t>(Cols)) throw std::out_of_range("component");
        return static_cast<std::size_t>(k);
    }
    std::optional<std::array<std::array<double, Cols>, kCaseCount>> v_;
};

}  // namespace nuvra::calc

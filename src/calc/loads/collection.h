// Ordered collections of the calculation classes: items addressed by position from 1,
// inserted before or after a position or appended, enumerated in order. Items live on the
// heap so that a reference returned by Add stays valid while the collection grows.
#pragma once

#include <cstdint>
#include <iterator>
#include <memory>
#include <vector>

#include "calc/common/arith.h"

namespace nuvra::calc {

template <class T>
class Collection {
    using Store = std::vector<std::unique_ptr<T>>;

    template <class Base, class V>
    class Iter {
      public:
        using iterator_category = std::forward_iterator_tag;
        using value_type = std::remove_const_t<V>;
        using difference_type = std::ptrdiff_t;
        using pointer = V*;
        using reference = V&;
        Iter() = default;
        explicit Iter(Base it) : it_(it) {}
        reference operator*() const { return **it_; }
        pointer operator->() const { return it_->get(); }
        Iter& operator++() {
            ++it_;
            return *this;
        }
        Iter operator++(int) {
            Iter t = *this;
            ++it_;
            return t;
        }
        bool operator==(const Iter& o) const { return it_ == o.it_; }

      private:
        Base it_{};
    };

  public:
    using iterator = Iter<typename Store::iterator, T>;
    using const_iterator = Iter<typename Store::const_iterator, const T>;

    Collection() = default;
    Collection(const Collection&) = delete;
    Collection& operator=(const Collection&) = delete;
    Collection(Collection&&) noexcept = default;
    Collection& operator=(Collection&&) noexcept = default;

    void Clear() { items_.clear(); }
    std::int32_t Count() const { return static_cast<std::int32_t>(items_.size()); }

    /// The item at a position from 1; nullptr outside 1..Count.
    T* Item(std::int32_t index) { return valid(index) ? items_[slot(index)].get() : nullptr; }
    const T* Item(std::int32_t index) const {
        return valid(index) ? items_[slot(index)].get() : nullptr;
    }

    /// Appends the item (index 0) or inserts it before / after the item at index.
    /// A position outside 1..Count raises an invalid-argument fault.
    T& AddItem(T item, std::int32_t index = 0, bool before = false) {
        auto p = std::make_unique<T>(std::move(item));
        T& ref = *p;
        if (index == 0) {
            items_.push_back(std::move(p));
        } else {
            if (!valid(index)) raiseFault(kErrInvalidArgument);
            std::size_t at = slot(index) + (before ? 0 : 1);
            items_.insert(items_.begin() + static_cast<std::ptrdiff_t>(at), std::move(p));
        }
        return ref;
    }

    /// Removes the item at a position from 1; a position outside raises.
    void Remove(std::int32_t index) {
        if (!valid(index)) raiseFault(kErrInvalidArgument);
        items_.erase(items_.begin() + static_cast<std::ptrdiff_t>(slot(index)));
    }

    T* First() { return items_.empty() ? nullptr : items_.front().get(); }
    T* Last() { return items_.empty() ? nullptr : items_.back().get(); }

    iterator begin() { return iterator(items_.begin()); }
    iterator end() { return iterator(items_.end()); }
    const_iterator begin() const { return const_iterator(items_.cbegin()); }
    const_iterator end() const { return const_iterator(items_.cend()); }

  private:
    bool valid(std::int32_t index) const { return index >= 1 && index <= Count(); }
    static std::size_t slot(std::int32_t index) { return static_cast<std::size_t>(index - 1); }

    Store items_;
};

}  // namespace nuvra::calc

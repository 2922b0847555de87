#pragma once

#include "tamba_util/BoundsException.h"

namespace tamba::util {

// A growable array of values; every slot is a constructed value.
template <class T> class VAList {
public:
    VAList() = default;
    VAList(const VAList&) = delete;
    VAList& operator=(const VAList&) = delete;
    virtual ~VAList() { delete[] items_; }

    void append(const T& value) {
        if (count_ == capacity_) {
            // The value may be one of our own items, which growing destroys: copy it first.
            const T copy(value);
            grow();
            items_[count_++] = copy;
            return;
        }
        items_[count_++] = value;
    }

    T& operator[](unsigned index) {
        if (index >= count_)
            throw BoundsException{"Invalid index to []", "tamba_util/VAList", 247};
        return items_[index];
    }
    const T& operator[](unsigned index) const { return const_cast<VAList&>(*this)[index]; }

    void clear() {
        delete[] items_;
        items_ = nullptr;
        count_ = 0;
        capacity_ = 0;
    }

    unsigned count() const { return count_; }
    unsigned capacity() const { return capacity_; }

private:
    void grow() {
        const unsigned bigger = growBy_ != 0 ? capacity_ + growBy_ : (capacity_ == 0 ? 1 : capacity_ * 2);
        T* fresh = new T[bigger];
        for (unsigned i = 0; i < count_; ++i)
            fresh[i] = items_[i];
        delete[] items_;
        items_ = fresh;
        capacity_ = bigger;
    }

    T* items_ = nullptr;
    unsigned capacity_ = 0;
    unsigned count_ = 0;
    int growBy_ = 4;
};

} // namespace tamba::util

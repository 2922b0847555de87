#pragma once

#include "tamba_util/BoundsException.h"

namespace tamba::util {

// A growable array of pointers, compared by identity. The items are not owned: OwningAList owns them.
template <class T> class AList {
public:
    AList() = default;
    AList(const AList&) = delete;
    AList& operator=(const AList&) = delete;
    virtual ~AList() { delete[] items_; }

    void append(T* item) {
        if (count_ == capacity_)
            grow();
        items_[count_++] = item;
    }

    T* operator[](unsigned index) const {
        if (index >= count_)
            throw BoundsException{"Invalid index in []", "tamba_util/AList", 47};
        return items_[index];
    }

    // Takes out the first occurrence only; later items keep their order.
    void remove(T* item) {
        for (unsigned i = 0; i < count_; ++i) {
            if (items_[i] != item)
                continue;
            for (unsigned j = i + 1; j < count_; ++j)
                items_[j - 1] = items_[j];
            items_[--count_] = nullptr;
            return;
        }
    }

    void removeAll() {
        for (unsigned i = 0; i < count_; ++i) {
            deleteItem(items_[i]);
            items_[i] = nullptr;
        }
        count_ = 0;
    }

    void clear() {
        for (unsigned i = 0; i < count_; ++i)
            items_[i] = nullptr;
        count_ = 0;
    }

    unsigned count() const { return count_; }
    unsigned capacity() const { return capacity_; }

protected:
    virtual void deleteItem(T*) {}

private:
    void grow() {
        const unsigned bigger = growBy_ != 0 ? capacity_ + growBy_ : (capacity_ == 0 ? 1 : capacity_ * 2);
        T** fresh = new T*[bigger]();
        for (unsigned i = 0; i < count_; ++i) {
            fresh[i] = items_[i];
            items_[i] = nullptr;
        }
        delete[] items_;
        items_ = fresh;
        capacity_ = bigger;
    }

    T** items_ = nullptr;
    unsigned capacity_ = 0;
    unsigned count_ = 0;
    int growBy_ = 4;
};

} // namespace tamba::util

#pragma once

#include "tamba_util/AList.h"

namespace tamba::util {

// An AList that deletes its items when they are removed with removeAll and when it goes.
template <class T> class OwningAList : public AList<T> {
public:
    ~OwningAList() override { this->removeAll(); }

protected:
    void deleteItem(T* item) override { delete item; }
};

} // namespace tamba::util

#include "Mask.h"

long Mask::count() const {
    long n = 0;
    for (auto b : bits_)
        n += b;
    return n;
}

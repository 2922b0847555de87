#include "tamba_util/String.h"

#include <cstdio>
#include <cstring>

namespace tamba::util {

namespace {
// Count 3: one for itself and two taken at initialisation, so releasing every String never reaches zero.
StringRep emptyRep = {"", 0, true, 3};
int ownedReps = 0;
} // namespace

StringRep* String::acquireEmpty() {
    ++emptyRep.refs;
    return &emptyRep;
}

StringRep* String::makeRep(const char* text) {
    if (text == nullptr || *text == '\0')
        return acquireEmpty();
    return concat(text, static_cast<int>(std::strlen(text)), "", 0);
}

StringRep* String::concat(const char* a, int lengthA, const char* b, int lengthB) {
    const int length = lengthA + lengthB;
    char* buffer = new char[length + 1];
    std::memcpy(buffer, a, lengthA);
    std::memcpy(buffer + lengthA, b, lengthB);
    buffer[length] = '\0';
    ++ownedReps;
    return new StringRep{buffer, length, false, 1};
}

void String::release(StringRep* rep) {
    if (--rep->refs > 0)
        return;
    if (!rep->borrowed)
        delete[] rep->data;
    if (rep != &emptyRep) {
        --ownedReps;
        delete rep;
    }
}

String::String() : rep_(acquireEmpty()) {}

String::String(const char* text) : rep_(makeRep(text)) {}

String::String(const String& other) : rep_(other.rep_) {
    ++rep_->refs;
}

String::~String() {
    release(rep_);
}

String& String::operator=(const String& other) {
    if (other.rep_ == rep_)
        return *this;
    ++other.rep_->refs;
    release(rep_);
    rep_ = other.rep_;
    return *this;
}

String& String::operator=(const char* text) {
    if (text == rep_->data)
        return *this;
    // Copy first: the text may live inside the rep about to be released.
    StringRep* fresh = makeRep(text);
    release(rep_);
    rep_ = fresh;
    return *this;
}

String String::fromInt(int value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%d", value);
    return String(buffer);
}

String String::fromUnsigned(unsigned value) {
    char buffer[16];
    std::snprintf(buffer, sizeof buffer, "%u", value);
    return String(buffer);
}

String operator+(const String& a, const String& b) {
    return String(String::concat(a.c_str(), a.length(), b.c_str(), b.length()));
}

String operator+(const char* a, const String& b) {
    const char* text = a ? a : "";
    return String(String::concat(text, static_cast<int>(std::strlen(text)), b.c_str(), b.length()));
}

int String::ownedRepCount() {
    return ownedReps;
}

} // namespace tamba::util

#pragma once

namespace tamba::util {

// Shared storage of a String. The process-wide empty rep is borrowed and never freed.
struct StringRep {
    const char* data;
    int length;
    bool borrowed;
    int refs;
};

// Immutable 8-bit text; copies share one reference-counted rep.
class String {
public:
    String();
    String(const char* text);
    String(const String& other);
    virtual ~String();

    String& operator=(const String& other);
    String& operator=(const char* text);

    static String fromInt(int value);
    static String fromUnsigned(unsigned value);

    const char* c_str() const { return rep_->data; }
    int length() const { return rep_->length; }

    friend String operator+(const String& a, const String& b);
    friend String operator+(const char* a, const String& b);

    // Number of reps with their own storage alive in the process; lets tests see leaks and double frees.
    static int ownedRepCount();

private:
    explicit String(StringRep* rep) : rep_(rep) {}
    static StringRep* makeRep(const char* text);
    static StringRep* concat(const char* a, int lengthA, const char* b, int lengthB);
    static StringRep* acquireEmpty();
    static void release(StringRep* rep);

    StringRep* rep_;
};

} // namespace tamba::util

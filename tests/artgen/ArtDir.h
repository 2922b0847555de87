#pragma once

#include <string>

// Where the generated pictures under test are: the folder given on the command line, or a fresh one
// generated with the artgen executable when none was given.
class ArtDir {
public:
    static void set(const std::string& path) { path_() = path; }
    static const std::string& path();
    // File name inside the folder.
    static std::string file(const std::string& name);

    // The display scales every picture is drawn at; picture n at the k-th is numbered n + 10000 k.
    static constexpr int scales = 5;
    static constexpr int percents[scales] = {100, 125, 150, 200, 300};
    static int numberAt(int n, int k) { return n + 10000 * k; }
    // A 100 % length or place at the k-th scale, rounded as the program rounds it.
    static int scaled(int v, int k) { return (v * percents[k] + 50) / 100; }

private:
    static std::string& path_();
};

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

private:
    static std::string& path_();
};

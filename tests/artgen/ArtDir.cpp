#include "ArtDir.h"

#include "TempDir.h"

#include <cstdlib>
#include <stdexcept>

std::string& ArtDir::path_() {
    static std::string p;
    return p;
}

const std::string& ArtDir::path() {
    if (path_().empty()) {
        static TempDir generated;
        std::string command = std::string("\"") + ARTGEN_EXE + "\" \"" + generated.path() + "\" > /dev/null";
        if (std::system(command.c_str()) != 0)
            throw std::runtime_error("artgen failed: " + command);
        path_() = generated.path();
    }
    return path_();
}

std::string ArtDir::file(const std::string& name) {
    return path() + "/" + name;
}

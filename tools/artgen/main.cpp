#include "Catalogue.h"
#include "Generator.h"

#include <chrono>
#include <cstring>
#include <exception>
#include <iostream>

int main(int argc, char** argv) {
    if (argc == 2 && std::strcmp(argv[1], "--rc") == 0) {
        std::cout << Generator::resourceScript(Catalogue());
        return 0;
    }
    if (argc != 2 || argv[1][0] == '-') {
        std::cerr << "usage: artgen OUTDIR   (draw every picture into OUTDIR)\n"
                     "       artgen --rc     (print the resource script lines)\n";
        return 2;
    }
    try {
        const auto start = std::chrono::steady_clock::now();
        Generator(argv[1]).run();
        const auto ms =
            std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start)
                .count();
        std::cout << "artgen: wrote " << argv[1] << " in " << ms << " ms\n";
    } catch (const std::exception& e) {
        std::cerr << "artgen: " << e.what() << "\n";
        return 1;
    }
    return 0;
}

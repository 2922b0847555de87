#include "ArtDir.h"

#include <gtest/gtest.h>

// artgen_tests [gtest flags] [OUTDIR]: checks the pictures in OUTDIR, or generates a fresh set when no
// folder is given.
int main(int argc, char** argv) {
    testing::InitGoogleTest(&argc, argv);
    if (argc > 1)
        ArtDir::set(argv[1]);
    return RUN_ALL_TESTS();
}

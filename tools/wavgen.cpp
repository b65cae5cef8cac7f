// wavgen OUTDIR: writes the program's open.wav and done.wav into OUTDIR.
#include <cstdio>

#include "assetgen.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: wavgen OUTDIR\n");
        return 2;
    }
    if (WriteSounds(argv[1]) != 0) {
        std::fprintf(stderr, "wavgen: cannot write sounds into %s\n", argv[1]);
        return 1;
    }
    return 0;
}

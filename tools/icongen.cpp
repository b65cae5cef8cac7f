// icongen OUTFILE: writes the program's icon (32x32 and 16x16, 16 and 256 colours).
#include <cstdio>

#include "assetgen.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: icongen OUTFILE\n");
        return 2;
    }
    if (WriteIcon(argv[1]) != 0) {
        std::fprintf(stderr, "icongen: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

// zove: the program. Picks the host and runs the game until it ends.
#include <cstdio>

#include "platform/host.h"

int main(int argc, char** argv) {
    (void)argc;
    (void)argv;
    std::fputs("zove: the game is not wired up yet\n", stderr);
    return 1;
}

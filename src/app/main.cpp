// zove: the program. Picks the host and runs the game until it ends.
#include <string>
#include <vector>

#include "app/app_main.h"

int main(int argc, char** argv) {
    std::vector<std::string> args;
    for (int i = 1; i < argc; ++i) args.emplace_back(argv[i]);
    return App_Main(args);
}

#include <iostream>
#include <string>
#include <vector>

#include "upgrade_run.h"

int main(int argc, char** argv) {
    std::vector<std::string> arguments(argv + 1, argv + argc);
    return quenvatrix::host::Main(arguments, std::cout, std::cerr);
}

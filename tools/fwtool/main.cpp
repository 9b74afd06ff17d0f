#include <iostream>
#include <string>
#include <vector>

#include "tools/fwtool/fwtool.h"

int main(int argc, char** argv) {
    return fw::RunFwtool(std::vector<std::string>(argv + 1, argv + argc), std::cout, std::cerr);
}

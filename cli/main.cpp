#include "comandi.h"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return vantrel::cli::esegui(std::move(args), std::cout, std::cerr);
}

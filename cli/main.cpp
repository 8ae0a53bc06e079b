#include "comandi.h"

#include <iostream>

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1 && args[0] == "--version") {
        std::cout << "vantrel-cli " << VANTREL_VERSIONE << "\n";
        return 0;
    }
    return vantrel::cli::esegui(std::move(args), std::cout, std::cerr);
}

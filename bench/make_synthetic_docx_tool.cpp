// Writes a synthetic inventory of N case rows: make_synthetic_docx_tool FILE N
// Prints the size of its word/document.xml in bytes.

#include "SyntheticDocx.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_synthetic_docx_tool FILE ROWS\n");
        return 2;
    }
    std::size_t xmlBytes = tabulex::bench::WriteSyntheticInventory(argv[1], std::atoi(argv[2]));
    std::printf("%zu\n", xmlBytes);
    return 0;
}

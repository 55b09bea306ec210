// Writes a data directory with the delivered files and N new ships, for the click figure with many
// ships: spantora_bench_data <folder> <N> creates <folder>/XMLA.
#include "BenchmarkData.h"

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <folder> <new ships>\n", argv[0]);
        return 2;
    }
    bench::makeDataDirectory(argv[1], std::atoi(argv[2]));
    return 0;
}

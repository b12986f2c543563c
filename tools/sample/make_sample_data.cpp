#include "sample/SampleData.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

// make_sample_data <folder> [--scale N]: writes the invented sample data set into <folder>/Data,
// N times as long as the usual one (default 1).
int main(int argc, char** argv)
{
    int scale = 1;
    bool usable = argc == 2;
    if (argc == 4 && std::strcmp(argv[2], "--scale") == 0) {
        char* end = nullptr;
        const long value = std::strtol(argv[3], &end, 10);
        usable = *argv[3] != '\0' && *end == '\0' && value >= 1 && value <= 1000;
        scale = int(value);
    }
    if (!usable) {
        std::fprintf(stderr, "usage: make_sample_data <folder> [--scale N]\n");
        return 2;
    }
    QString error;
    if (!WriteSampleData(QString::fromLocal8Bit(argv[1]), &error, scale)) {
        std::fprintf(stderr, "make_sample_data: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

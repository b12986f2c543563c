#include "SampleData.h"

#include <cstdio>

// make_sample_data <folder>: writes the invented sample data set into <folder>/Data.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_sample_data <folder>\n");
        return 2;
    }
    QString error;
    if (!writeSampleData(QString::fromLocal8Bit(argv[1]), &error)) {
        std::fprintf(stderr, "make_sample_data: %s\n", qPrintable(error));
        return 1;
    }
    return 0;
}

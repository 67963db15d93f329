// Writes the course outline of the contents dialog as the node stream the
// program reads (assets/course_outline.bin):
//   make_outline <output file>

#include "make_outline/edition_outline.h"

#include <QFile>

#include <cstdio>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_outline <output file>\n");
        return 2;
    }
    QFile out(QString::fromLocal8Bit(argv[1]));
    if (!out.open(QIODevice::WriteOnly) || out.write(editionOutlineStream()) < 0) {
        std::fprintf(stderr, "make_outline: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}

#include <QCoreApplication>
#include <cstdio>

#include "Files.h"

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::printf("Orbivale %s\n", qUtf8Printable(FileVersionText()));
    return 0;
}

// Writes the installed icon files at build time, from the drawing the
// program shows, so that no rendered picture is kept in the sources.

#include "app/ApplicationIcon.h"

#include <QFile>
#include <QString>

#include <cstdlib>
#include <iostream>

int main(int argc, char* argv[])
{
    if (argc < 2 || argc > 3) {
        std::cerr << "usage: vantrel-icon-writer OUT.svg | OUT.png SIZE\n";
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    if (argc == 2) {
        QFile file(out);
        if (file.open(QIODevice::WriteOnly) && file.write(ApplicationIconSvg().toUtf8()) >= 0 && file.flush())
            return EXIT_SUCCESS;
    } else {
        const int size = std::atoi(argv[2]);
        if (size > 0 && ApplicationIconImage(size).save(out, "PNG"))
            return EXIT_SUCCESS;
    }
    std::cerr << "vantrel-icon-writer: cannot write " << argv[1] << '\n';
    return EXIT_FAILURE;
}

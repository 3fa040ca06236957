#include "app/CVantrelApp.h"
#include "VantrelVersion.h"

#include <QApplication>

#include <clocale>
#include <cstdlib>
#include <iostream>
#include <string_view>

namespace {

// Answered before Qt starts, so that they need no display; any other single
// argument is the record root.
bool AnswerInformationOption(int argc, char* argv[])
{
    if (argc != 2)
        return false;
    const std::string_view option = argv[1];
    if (option == "--version") {
        std::cout << "vantrel " << VantrelVersion << '\n';
        return true;
    }
    if (option == "--help") {
        std::cout << "usage: vantrel [DIR]\n"
                     "Reviews the red-light records under DIR, or under the root the settings\n"
                     "file of the working directory names.\n"
                     "  --help     this text\n"
                     "  --version  the program's version\n";
        return true;
    }
    return false;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (AnswerInformationOption(argc, argv))
        return EXIT_SUCCESS;
    QApplication application(argc, argv);
    // Qt takes every locale category from the environment; the files the
    // program reads and writes keep C numbers, and only times are local.
    std::setlocale(LC_ALL, "C");
    std::setlocale(LC_TIME, "");
    CVantrelApp app;
    if (!app.InitInstance(QApplication::arguments()))
        return app.ExitInstance(EXIT_FAILURE);
    return app.ExitInstance(QApplication::exec());
}

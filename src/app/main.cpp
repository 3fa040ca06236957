#include "app/CVantrelApp.h"

#include <QApplication>

#include <clocale>
#include <cstdlib>

int main(int argc, char* argv[])
{
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

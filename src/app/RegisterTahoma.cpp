#include "app/RegisterTahoma.h"

#include <QApplication>
#include <QFile>
#include <QFontDatabase>

void RegisterTahoma()
{
    if (QFontDatabase::families().contains(QStringLiteral("Tahoma")))
        return;
    const QString directory = QStringLiteral("/usr/share/wine/fonts/");
    for (const char* name : {"tahoma.ttf", "tahomabd.ttf"}) {
        const QString path = directory + QLatin1String(name);
        if (QFile::exists(path))
            QFontDatabase::addApplicationFont(path);
    }
}

void UseTahomaForTheApplication()
{
    RegisterTahoma();
    QApplication::setFont(QFont(QStringLiteral("Tahoma"), 8));
}

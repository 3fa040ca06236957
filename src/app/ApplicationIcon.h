#pragma once

#include <QIcon>

// The program's icon: a signal head with its red light on.
QIcon ApplicationIcon();

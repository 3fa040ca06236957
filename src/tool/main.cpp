#include "tool/CommandRegistry.h"

#include <clocale>
#include <string>
#include <vector>

int main(int argc, char** argv)
{
    // The records listing prints times in the user's locale, as the application does.
    std::setlocale(LC_TIME, "");
    return CommandRegistry().Run(std::vector<std::string>(argv + 1, argv + argc));
}

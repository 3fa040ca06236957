#include "tool/ToolOutput.h"

#include "tool/ToolCommand.h"

#include <iostream>

void PrintFields(std::initializer_list<std::string_view> fields)
{
    bool first = true;
    for (std::string_view field : fields) {
        if (!first)
            std::cout << '\t';
        std::cout << field;
        first = false;
    }
    std::cout << '\n';
}

int Fail(const std::string& message)
{
    PrintError("vantrel-tool: " + message);
    return ExitFailure;
}

void PrintError(const std::string& text)
{
    std::cerr << text << '\n';
}

#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

// One output line on standard output: the fields joined by one tab, ended by
// a line feed.
void PrintFields(std::initializer_list<std::string_view> fields);

// "vantrel-tool: " and the message on standard error; returns ExitFailure so
// that a command can end with `return Fail(...)`.
int Fail(const std::string& message);

// A message that may span lines, such as a loader's LastError, on standard error.
void PrintError(const std::string& text);

#pragma once

#include <string>
#include <string_view>

// A directory as the start of the paths below it: with a '/' appended unless
// it ends in one. An empty text is the working directory, "./", where a bare
// '/' would name the file-system root instead.
std::string DirectoryPrefix(std::string_view directory);

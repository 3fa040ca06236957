#pragma once

#include <string>
#include <vector>

// Every record directory under the root and its two decision directories as
// "name hash-of-its-files", sorted: equal before and after for a tree whose
// records only moved, whatever their places.
std::vector<std::string> RecordTreeDigest(const std::string& root);

#pragma once

#include <string>

// Whether the file system that holds path answers a query, as a chosen
// record base directory's must (a drive without its medium does not).
bool IsQueryableVolume(const std::string& path);

#pragma once

#include <string>

class PrintJobPages;
struct PrintLayout;

// Prints the whole job into a PDF file at path: A4 at 300 dots per inch,
// landscape or portrait, through the one road of preview and printer. The
// file appears only when it was written whole; an older one stays otherwise.
// Answers the pages printed; 0 on failure.
int WritePdfJob(const std::string& path, bool landscape, PrintJobPages& pages, PrintLayout& layout);

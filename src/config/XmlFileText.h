#pragma once

#include <string>
#include <string_view>

// The text of a configuration file as the program writes it. Markup and
// values are put together in UTF-8; the file is kept in windows-1251 when
// every character has a byte there, and in UTF-8 otherwise, so that no text
// is lost. Every write replaces the file atomically.
class XmlFileText {
public:
    // A CDATA section that loads back as exactly this text, split where the
    // text holds "]]>" or a carriage return, which one section cannot carry.
    static std::string Cdata(std::string_view text);
    // The text escaped for a double-quoted attribute value so that it loads
    // back unchanged (line ends and tabs included).
    static std::string Attribute(std::string_view text);

    // The comment that opens both configuration files (file name, product
    // line, rights notice, editing advice) and the root element's start tag.
    // The settings file has a blank line before the advice; the code-note
    // file has none.
    static std::string Preamble(std::string_view fileName, std::string_view product, bool blankBeforeNote);

    // Writes the declaration line and then body (the rest of the file, line
    // ends included) to path; true when all of it reached the file. Characters
    // that XML cannot carry are written as U+FFFD.
    static bool Save(const std::string& path, std::string_view body);
};

#include "config/XmlFileText.h"

#include "base/AtomicFileWriter.h"
#include "config/Utf8.h"
#include "config/Windows1251.h"

#include <optional>

namespace {

bool IsXmlChar(char32_t c)
{
    return c == 0x9 || c == 0xA || c == 0xD || (c >= 0x20 && c <= 0xD7FF) || (c >= 0xE000 && c <= 0xFFFD) ||
           c >= 0x10000;
}

std::string Declaration(const char* encoding)
{
    return std::string("<?xml version=\"1.0\" encoding=\"") + encoding + "\"?>\n";
}

// The whole file in its encoding: windows-1251 when possible, else UTF-8.
std::string EncodedFile(std::string_view body)
{
    std::u32string text = Utf8::Decode(body);
    for (char32_t& c : text) {
        if (!IsXmlChar(c))
            c = Utf8::Replacement;
    }
    if (const std::optional<std::string> cyrillic = Windows1251::Encode(text))
        return Declaration("windows-1251") + *cyrillic;
    return Declaration("UTF-8") + Utf8::Encode(text);
}

}  // namespace

std::string XmlFileText::Cdata(std::string_view text)
{
    std::string result = "<![CDATA[";
    for (std::size_t at = 0; at < text.size(); ++at) {
        if (text.substr(at, 3) == "]]>") {
            // "]]" ends one section and ">" starts the next.
            result += "]]]]><![CDATA[>";
            at += 2;
        } else if (text[at] == '\r') {
            // A parser turns a raw carriage return into a line feed.
            result += "]]>&#13;<![CDATA[";
        } else {
            result += text[at];
        }
    }
    return result + "]]>";
}

std::string XmlFileText::Attribute(std::string_view text)
{
    std::string result;
    result.reserve(text.size());
    for (const char c : text) {
        switch (c) {
        case '"': result += "&quot;"; break;
        case '<': result += "&lt;"; break;
        case '>': result += "&gt;"; break;
        case '&': result += "&amp;"; break;
        // A parser turns raw white space in an attribute into blanks.
        case '\t': result += "&#9;"; break;
        case '\n': result += "&#10;"; break;
        case '\r': result += "&#13;"; break;
        default: result += c;
        }
    }
    return result;
}

std::string XmlFileText::Preamble(std::string_view fileName, std::string_view product, bool blankBeforeNote)
{
    std::string text = "<!-- " + std::string(fileName) + "\n";
    text += "     " + std::string(product) + "\n";
    text += "     Copyright (C) 2004 Orvane Solutions. All rights reserved.\n";
    if (blankBeforeNote)
        text += "\n";
    text += "     NOTE:\n"
            "        If you want to edit this file, remember all\n"
            "        keywords like node names, and node attribute\n"
            "        names are case-sensitive.\n"
            "        Please, make a backup copy of the file before editing,\n"
            "        and follow the syntax carefully!\n"
            "  -->\n"
            "<VantrelControl>\n";
    return text;
}

bool XmlFileText::Save(const std::string& path, std::string_view body)
{
    AtomicFileWriter writer(path);
    return writer.Write(EncodedFile(body)) && writer.Commit();
}

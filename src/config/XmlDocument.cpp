#include "config/XmlDocument.h"

#include <libxml/parser.h>
#include <libxml/xmlerror.h>

#include <cctype>
#include <charconv>
#include <climits>
#include <cstdio>

namespace {

void IgnoreGenericError(void*, const char*, ...) {}

std::string Owned(xmlChar* text)
{
    std::string result = text ? reinterpret_cast<const char*>(text) : "";
    xmlFree(text);
    return result;
}

bool IsWhitespaceText(const xmlNode* node)
{
    return node->type == XML_TEXT_NODE && xmlIsBlankNode(const_cast<xmlNode*>(node));
}

}  // namespace

XmlDocument::XmlDocument(const std::string& path)
{
    Parse(path);
    if (!document_ || firstError_.seen || !Root())
        failure_ = firstProblem_.seen ? SyntaxErrorText() : UnknownError;
}

XmlDocument::~XmlDocument()
{
    xmlFreeDoc(document_);
}

void XmlDocument::Parse(const std::string& path)
{
    xmlInitParser();
    // Some complaints (I/O, encoding) bypass the parser context and go to the
    // thread's global handlers, so those are redirected for the parse too.
    const xmlStructuredErrorFunc previousStructured = xmlStructuredError;
    void* const previousStructuredContext = xmlStructuredErrorContext;
    const xmlGenericErrorFunc previousGeneric = xmlGenericError;
    void* const previousGenericContext = xmlGenericErrorContext;
    xmlSetStructuredErrorFunc(this, &XmlDocument::Collect);
    xmlSetGenericErrorFunc(nullptr, &IgnoreGenericError);
    // No XML_PARSE_NOENT, XML_PARSE_DTDLOAD or XML_PARSE_DTDVALID: external
    // entities and DTDs are never fetched.
    document_ = xmlReadFile(path.c_str(), nullptr, XML_PARSE_NONET);
    xmlSetGenericErrorFunc(previousGenericContext, previousGeneric);
    xmlSetStructuredErrorFunc(previousStructuredContext, previousStructured);
}

const xmlNode* XmlDocument::Root() const
{
    return document_ ? xmlDocGetRootElement(document_) : nullptr;
}

void XmlDocument::Collect(void* self, xmlError* error)
{
    auto* document = static_cast<XmlDocument*>(self);
    const bool serious = error->level >= XML_ERR_ERROR;
    for (Problem* problem : {&document->firstProblem_, serious ? &document->firstError_ : nullptr}) {
        if (!problem || problem->seen)
            continue;
        try {
            std::string message = error->message ? error->message : "";
            while (!message.empty() && (message.back() == '\n' || message.back() == '\r'))
                message.pop_back();
            *problem = Problem{true, error->code, error->line, error->int2, std::move(message)};
        } catch (...) {
            // Called from C code: nothing may be thrown through it.
            problem->seen = true;
        }
    }
}

std::string XmlDocument::SyntaxErrorText() const
{
    const Problem& problem = firstError_.seen ? firstError_ : firstProblem_;
    char code[16];
    std::snprintf(code, sizeof code, "%X", static_cast<unsigned>(problem.code));
    return "Syntax error in the contets of the imput file.\nIXMLDOMParseError(" + std::string(code) + "): " +
           problem.message + "\nLine " + std::to_string(problem.line) + " Char " + std::to_string(problem.column);
}

std::string XmlDocument::LoadErrorText(const std::string& path, const std::string& message)
{
    return "Error in the imput file:\n" + path + "\n" + message;
}

const xmlNode* XmlDocument::Child(const xmlNode* parent, const char* name)
{
    for (const xmlNode* node = parent->children; node; node = node->next) {
        if (node->type == XML_ELEMENT_NODE && IsNamed(node, name))
            return node;
    }
    return nullptr;
}

bool XmlDocument::IsNamed(const xmlNode* element, const char* name)
{
    return xmlStrcmp(element->name, reinterpret_cast<const xmlChar*>(name)) == 0;
}

std::string XmlDocument::Text(const xmlNode* node)
{
    return Owned(xmlNodeGetContent(node));
}

std::optional<std::string> XmlDocument::Attribute(const xmlNode* element, const char* name)
{
    // xmlGetNoNsProp alone cannot tell an absent attribute from an empty one.
    if (!xmlHasProp(element, reinterpret_cast<const xmlChar*>(name)))
        return std::nullopt;
    return Owned(xmlGetNoNsProp(element, reinterpret_cast<const xmlChar*>(name)));
}

std::vector<const xmlNode*> XmlDocument::ListElements(const xmlNode* list)
{
    std::vector<const xmlNode*> elements;
    for (const xmlNode* node = list->children; node; node = node->next) {
        if (IsWhitespaceText(node))
            continue;
        if (node->type != XML_ELEMENT_NODE)
            break;
        elements.push_back(node);
    }
    return elements;
}

int XmlDocument::LeadingInteger(std::string_view text)
{
    std::size_t start = 0;
    while (start < text.size() && std::isspace(static_cast<unsigned char>(text[start])))
        ++start;
    const bool negative = start < text.size() && text[start] == '-';
    if (start < text.size() && (text[start] == '-' || text[start] == '+'))
        ++start;
    if (start == text.size() || !std::isdigit(static_cast<unsigned char>(text[start])))
        return 0;
    long long magnitude = 0;
    const auto error = std::from_chars(text.data() + start, text.data() + text.size(), magnitude).ec;
    if (error == std::errc::result_out_of_range)
        return negative ? INT_MIN : INT_MAX;
    const long long value = negative ? -magnitude : magnitude;
    return value < INT_MIN ? INT_MIN : value > INT_MAX ? INT_MAX : static_cast<int>(value);
}

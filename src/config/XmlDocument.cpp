#include "config/XmlDocument.h"

#include "base/ReadOnlyFile.h"

#include <libxml/SAX2.h>
#include <libxml/parserInternals.h>
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

// The parser's input: the file read in order through the checked reader.
struct FileInput {
    const ReadOnlyFile& file;
    std::uint64_t offset = 0;
};

int ReadInput(void* context, char* buffer, int length)
{
    auto* input = static_cast<FileInput*>(context);
    const std::size_t got = input->file.ReadAt(input->offset, buffer, static_cast<std::size_t>(length));
    input->offset += got;
    return static_cast<int>(got);
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
    // Only a regular file opens: a pipe or a device in the file's place
    // cannot block the start-up, and a path never reaches the network.
    const ReadOnlyFile file(path);
    FileInput input{file};
    xmlParserCtxt* parser =
        file.IsOpen() ? xmlCreateIOParserCtxt(nullptr, nullptr, &ReadInput, nullptr, &input, XML_CHAR_ENCODING_NONE)
                      : nullptr;
    if (parser) {
        // No XML_PARSE_NOENT, XML_PARSE_DTDLOAD or XML_PARSE_DTDVALID:
        // external entities and DTDs are never fetched.
        xmlCtxtUseOptions(parser, XML_PARSE_NONET);
        ParseWith(parser);
        xmlFreeParserCtxt(parser);
    } else {
        const std::string message = "failed to load external entity \"" + path + "\"";
        Keep(true, XML_IO_LOAD_ERROR, 0, 0, message.c_str());
    }
    xmlSetGenericErrorFunc(previousGenericContext, previousGeneric);
    xmlSetStructuredErrorFunc(previousStructuredContext, previousStructured);
}

void XmlDocument::ParseWith(xmlParserCtxt* parser)
{
    parser->_private = this;
    // Stopped as soon as the declaration's name is read, before its internal
    // subset: no entity of the file is ever declared, let alone expanded.
    parser->sax->internalSubset = &XmlDocument::RefuseDocumentType;
    xmlParseDocument(parser);
    if (parser->wellFormed)
        document_ = parser->myDoc;
    else
        xmlFreeDoc(parser->myDoc);
    parser->myDoc = nullptr;
}

const xmlNode* XmlDocument::Root() const
{
    return document_ ? xmlDocGetRootElement(document_) : nullptr;
}

void XmlDocument::Keep(bool serious, int code, int line, int column, const char* message) noexcept
{
    for (Problem* problem : {&firstProblem_, serious ? &firstError_ : nullptr}) {
        if (!problem || problem->seen)
            continue;
        try {
            std::string text = message ? message : "";
            while (!text.empty() && (text.back() == '\n' || text.back() == '\r'))
                text.pop_back();
            *problem = Problem{true, code, line, column, std::move(text)};
        } catch (...) {
            problem->seen = true;
        }
    }
}

void XmlDocument::Collect(void* self, xmlError* error)
{
    static_cast<XmlDocument*>(self)->Keep(error->level >= XML_ERR_ERROR, error->code, error->line, error->int2,
                                          error->message);
}

void XmlDocument::RefuseDocumentType(void* context, const xmlChar*, const xmlChar*, const xmlChar*)
{
    auto* parser = static_cast<xmlParserCtxt*>(context);
    static_cast<XmlDocument*>(parser->_private)
        ->Keep(true, XML_ERR_USER_STOP, xmlSAX2GetLineNumber(parser), xmlSAX2GetColumnNumber(parser),
               "Document type declarations are not accepted");
    xmlStopParser(parser);
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

#pragma once

#include <libxml/parser.h>
#include <libxml/tree.h>

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A parsed XML file, read the one way both configuration loaders share: no
// network, no external entities or DTDs, and every complaint of the parser
// collected here instead of reaching the terminal. Texts are UTF-8.
// A document type declaration is refused as a syntax error where it stands:
// neither file needs one, and the entities it may declare let a file of a
// few kilobytes expand into gigabytes of text, or into minutes of work for
// the first read of an attribute.
class XmlDocument {
public:
    static constexpr const char* UnknownError = "Unknown MSXML parser error.";
    // What a caller reports for a required element that is missing.
    static constexpr const char* InvalidPointerError = "HRESULT(80004003): Invalid pointer";

    explicit XmlDocument(const std::string& path);
    ~XmlDocument();
    XmlDocument(const XmlDocument&) = delete;
    XmlDocument& operator=(const XmlDocument&) = delete;

    // True when the file parsed without error and has a root element;
    // otherwise Failure() holds the message.
    bool Loaded() const { return failure_.empty(); }
    const std::string& Failure() const { return failure_; }
    const xmlNode* Root() const;

    // "Error in the imput file:" with the path and a message, as both loaders
    // report a failure.
    static std::string LoadErrorText(const std::string& path, const std::string& message);

    // The first direct child element with exactly this name, or null.
    static const xmlNode* Child(const xmlNode* parent, const char* name);
    static bool IsNamed(const xmlNode* element, const char* name);
    // The text of the node and everything below it.
    static std::string Text(const xmlNode* node);
    static std::optional<std::string> Attribute(const xmlNode* element, const char* name);
    // The leading element children of a list. Whitespace between elements is
    // not a node; anything else that is not an element ends the list.
    static std::vector<const xmlNode*> ListElements(const xmlNode* list);
    // The decimal integer at the start of a text, as atoi reads it, with
    // out-of-range values held at the limits; 0 when there is none.
    static int LeadingInteger(std::string_view text);

private:
    struct Problem {
        bool seen = false;
        int code = 0;
        int line = 0;
        int column = 0;
        std::string message;
    };
    void Parse(const std::string& path);
    void ParseWith(xmlParserCtxt* parser);
    // Called from C code: nothing may be thrown through it.
    void Keep(bool serious, int code, int line, int column, const char* message) noexcept;
    static void Collect(void* self, xmlError* error);
    static void RefuseDocumentType(void* context, const xmlChar*, const xmlChar*, const xmlChar*);
    std::string SyntaxErrorText() const;

    xmlDoc* document_ = nullptr;
    Problem firstError_;    // the first error or fatal error
    Problem firstProblem_;  // the first complaint of any level, warnings included
    std::string failure_;
};

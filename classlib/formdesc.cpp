#include "classlib/formdesc.h"

#include "classlib/exceptions.h"

#include <cctype>

namespace {

std::string Trim(const std::string& s)
{
    size_t b = s.find_first_not_of(" \t\r");
    if (b == std::string::npos)
        return {};
    size_t e = s.find_last_not_of(" \t\r");
    return s.substr(b, e - b + 1);
}

[[noreturn]] void Fail(int line, const std::string& what)
{
    throw EComponentError("Form description line " + std::to_string(line) + ": " + what);
}

std::string Unquote(const std::string& value, int line)
{
    if (value.empty() || value.front() != '"')
        return value;
    if (value.size() < 2 || value.back() != '"')
        Fail(line, "unterminated quoted value");
    return value.substr(1, value.size() - 2);
}

bool IsIdentifier(const std::string& s)
{
    if (s.empty())
        return false;
    for (char c : s)
        if (!(std::isalnum(static_cast<unsigned char>(c)) || c == '_' || c == '.'))
            return false;
    return true;
}

} // namespace

TFormNode ParseFormDescription(const std::string& text)
{
    TFormNode root;
    // The chain of open components with their indentation.
    std::vector<std::pair<int, TFormNode*>> open;
    bool haveRoot = false;
    size_t pos = 0;
    int lineNo = 0;
    while (pos <= text.size()) {
        size_t end = text.find('\n', pos);
        if (end == std::string::npos)
            end = text.size();
        std::string raw = text.substr(pos, end - pos);
        pos = end + 1;
        ++lineNo;
        std::string line = Trim(raw);
        if (line.empty() || line[0] == '#')
            continue;
        int indent = static_cast<int>(raw.find_first_not_of(' '));
        while (!open.empty() && open.back().first >= indent)
            open.pop_back();

        size_t eq = line.find(" = ");
        size_t colon = line.find(": ");
        if (eq != std::string::npos && (colon == std::string::npos || eq < colon)) {
            if (open.empty())
                Fail(lineNo, "property outside a component");
            std::string key = Trim(line.substr(0, eq));
            if (!IsIdentifier(key))
                Fail(lineNo, "bad property name");
            open.back().second->properties.emplace_back(key, Unquote(Trim(line.substr(eq + 3)), lineNo));
            continue;
        }
        if (colon == std::string::npos)
            Fail(lineNo, "expected 'Name: Class' or 'Property = value'");
        TFormNode node;
        node.name = Trim(line.substr(0, colon));
        node.className = Trim(line.substr(colon + 2));
        node.line = lineNo;
        if (!IsIdentifier(node.name) || !IsIdentifier(node.className))
            Fail(lineNo, "bad component name or class");
        TFormNode* placed;
        if (open.empty()) {
            if (haveRoot)
                Fail(lineNo, "second top-level component");
            root = std::move(node);
            haveRoot = true;
            placed = &root;
        } else {
            auto& siblings = open.back().second->children;
            siblings.push_back(std::move(node));
            placed = &siblings.back();
        }
        open.emplace_back(indent, placed);
    }
    if (!haveRoot)
        Fail(lineNo, "no component");
    return root;
}

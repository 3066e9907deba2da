#include "classlib/formdesc.h"

#include "classlib/exceptions.h"
#include "classlib/hexdigit.h"

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

// One line of a binary value, appended to bytes.
void AppendHexLine(const std::string& line, int lineNo, std::string& bytes)
{
    if (line.size() % 2 != 0)
        Fail(lineNo, "odd number of hex digits");
    for (size_t i = 0; i < line.size(); i += 2) {
        int high = HexDigitValue(static_cast<unsigned char>(line[i]));
        int low = HexDigitValue(static_cast<unsigned char>(line[i + 1]));
        if (high < 0 || low < 0)
            Fail(lineNo, "not a hex digit in binary value");
        bytes.push_back(static_cast<char>(high * 16 + low));
    }
}

// Splits text into lines, counting from 1.
class TLineReader {
public:
    explicit TLineReader(const std::string& text) : text_(text) {}
    bool Next(std::string& line)
    {
        if (pos_ > text_.size())
            return false;
        size_t end = text_.find('\n', pos_);
        if (end == std::string::npos)
            end = text_.size();
        line = text_.substr(pos_, end - pos_);
        pos_ = end + 1;
        ++number_;
        return true;
    }
    int Number() const { return number_; }

private:
    const std::string& text_;
    size_t pos_ = 0;
    int number_ = 0;
};

// The bytes of a binary value whose opening brace stood on the line before.
std::string ReadBinary(TLineReader& lines, int openedAt)
{
    std::string bytes, raw;
    while (lines.Next(raw)) {
        std::string line = Trim(raw);
        if (line == "}")
            return bytes;
        AppendHexLine(line, lines.Number(), bytes);
    }
    Fail(openedAt, "binary value without its closing brace");
}

} // namespace

TFormNode ParseFormDescription(const std::string& text)
{
    TFormNode root;
    // The chain of open components with their indentation.
    std::vector<std::pair<int, TFormNode*>> open;
    bool haveRoot = false;
    TLineReader lines(text);
    std::string raw;
    while (lines.Next(raw)) {
        int lineNo = lines.Number();
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
            std::string value = Trim(line.substr(eq + 3));
            TFormProperty property{key, {}, value == "{", lineNo};
            property.value = property.binary ? ReadBinary(lines, lineNo) : Unquote(value, lineNo);
            open.back().second->properties.push_back(std::move(property));
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
        Fail(lines.Number(), "no component");
    return root;
}

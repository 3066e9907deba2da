// Form descriptions: a small indented text naming components, their
// properties and their event handlers.
//
//   CalcForm: TCalcForm          a component: name, colon, class
//     Caption = Olvane...        a property of the component above it
//     Panel3: TPanel             a child, one indent deeper
//       Hint = "行1 列0 "        quotes keep blanks at either end
//
//     Picture.Data = {           binary data: hex lines up to a closing brace
//       474946383961
//     }
//
// Lines starting with # are comments; indentation is by spaces.
#pragma once

#include <string>
#include <vector>

struct TFormProperty {
    std::string name;
    // The text, or the bytes of a binary value.
    std::string value;
    bool binary = false;
    int line = 0;
};

struct TFormNode {
    std::string name;
    std::string className;
    std::vector<TFormProperty> properties;
    std::vector<TFormNode> children;
    int line = 0;
};

// The one top-level component of the text; EComponentError on a malformed line.
TFormNode ParseFormDescription(const std::string& text);

// Form descriptions: a small indented text naming components, their
// properties and their event handlers.
//
//   CalcForm: TCalcForm          a component: name, colon, class
//     Caption = Olvane...        a property of the component above it
//     Panel3: TPanel             a child, one indent deeper
//       Hint = "行1 列0 "        quotes keep blanks at either end
//
// Lines starting with # are comments; indentation is by spaces.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct TFormNode {
    std::string name;
    std::string className;
    std::vector<std::pair<std::string, std::string>> properties;
    std::vector<TFormNode> children;
    int line = 0;
};

// The one top-level component of the text; EComponentError on a malformed line.
TFormNode ParseFormDescription(const std::string& text);

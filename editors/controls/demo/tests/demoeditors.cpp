#include "editors/controls/demo/tests/demoeditors.h"

#include <algorithm>
#include <vector>

int TopOf(HWND window)
{
    RECT r;
    GetWindowRect(window, &r);
    return r.top;
}

TDemoEditors FindDemoEditors(HWND form, std::span<const char* const> names, const std::string& lineMarker)
{
    TDemoEditors found;
    std::vector<HWND> boxes;
    std::map<HWND, HWND> inner;
    for (HWND child : ChildWindowsOf(form)) {
        const HWND parent = GetParent(child);
        if (UpperClassNameOf(child) == "EDIT")
            (parent == form ? found.plain : inner[parent]) = child;
        else if (parent == form)
            boxes.push_back(child);
    }
    for (const TWindowlessControl& label : LabelsOf(form))
        if (const auto marker = label.text.find(lineMarker); marker != std::string::npos)
            found.lines[label.text.substr(0, marker)] = TLabelRef(label);
    std::erase_if(boxes, [&](HWND b) { return !inner.count(b); });
    if (boxes.size() != names.size())
        return found;
    std::sort(boxes.begin(), boxes.end(), [](HWND a, HWND b) { return TopOf(a) < TopOf(b); });
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto line = found.lines.find(names[i]);
        found.editors[names[i]] = {boxes[i], inner[boxes[i]], line == found.lines.end() ? TLabelRef() : line->second};
    }
    return found;
}

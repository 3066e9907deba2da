#include "editors/controls/demo/tests/demoeditors.h"

#include <algorithm>
#include <vector>

#include "classlib/tests/testprocess.h"

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
        const std::string text = WindowTextOf(child);
        const HWND parent = GetParent(child);
        if (UpperClassNameOf(child) == "EDIT")
            (parent == form ? found.plain : inner[parent]) = child;
        else if (const auto marker = text.find(lineMarker); marker != std::string::npos)
            found.lines[text.substr(0, marker)] = child;
        else if (parent == form)
            boxes.push_back(child);
    }
    std::erase_if(boxes, [&](HWND b) { return !inner.count(b); });
    if (boxes.size() != names.size())
        return found;
    std::sort(boxes.begin(), boxes.end(), [](HWND a, HWND b) { return TopOf(a) < TopOf(b); });
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        const auto line = found.lines.find(names[i]);
        found.editors[names[i]] = {boxes[i], inner[boxes[i]], line == found.lines.end() ? nullptr : line->second};
    }
    return found;
}

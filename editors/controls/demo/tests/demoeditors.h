// What the editor demonstrations' end-to-end tests find on a demo's form:
// its editors top to bottom, each with the EDIT inside it and the line
// beside it, and the plain EDIT that is the form's own child.
#pragma once

#include <windows.h>

#include <map>
#include <span>
#include <string>

#include "classlib/tests/testprocess.h"

struct TDemoEditor {
    HWND box = nullptr, edit = nullptr;
    TLabelRef line;
};

struct TDemoEditors {
    // By name; every editor has its EDIT, not every one its line.
    std::map<std::string, TDemoEditor> editors;
    // The lines by the name before their marker (", value=" and the like).
    std::map<std::string, TLabelRef> lines;
    HWND plain = nullptr;
};

// The editors named top to bottom; none when the form holds another count.
TDemoEditors FindDemoEditors(HWND form, std::span<const char* const> names, const std::string& lineMarker);
int TopOf(HWND window);

// How the calculator and the tools window open a page in the one web-page window.
#pragma once

#include <optional>
#include <string>
#include <vector>

struct TWebPageOpening {
    // A web address or a local file path (GBK).
    std::string address{};
    // Components of the window hidden from now on, for every later opener too.
    std::vector<std::string> hide{};
    // A caption that stays until changed again.
    std::optional<std::string> caption{};
    // Shown modally (the calendar) or without blocking (the tools window).
    bool modal = false;
};

// Creates f_webbrowse through the application on first use, hides the
// parts, navigates and shows the window.
void OpenWebPage(const TWebPageOpening& opening);

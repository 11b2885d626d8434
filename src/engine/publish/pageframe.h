// What every page of the published site shares: its head, the regatta line
// and links on top, its end, and the stylesheet.
#pragma once

#include <string>
#include <string_view>

namespace bm {

class Boatmeet;

inline constexpr const char* StylesheetName = "style.css";

// The stylesheet every page links to.
std::string SiteStylesheet();
// The start of a page up to and with its heading (the texts are escaped here).
std::string PageStart(const Boatmeet& meet, std::string_view heading);
// The end of a page.
std::string PageEnd();
// A link to a page of the site with the text, escaped.
std::string PageLink(std::string_view page, std::string_view text);

} // namespace bm

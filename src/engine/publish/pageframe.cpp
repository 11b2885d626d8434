#include "engine/publish/pageframe.h"

#include "engine/model/boatmeet.h"
#include "engine/publish/sitetext.h"

namespace bm {

namespace {

// Phones get one column (the rounds of a bracket one under the other, each
// table row as a block with its labels); wide screens get the bracket's
// rounds side by side, where an invisible card holds the place of each bye so
// that every race stands level with the two that feed it; paper gets black
// text without the links on top. A table cell breaks a word only where the
// word cannot stand on a line of its own, so that a long name in one column
// never squeezes another column into breaking inside its words; the leading
// cells (time, race, event) keep to one line on a wide screen.
constexpr const char* Stylesheet = R"css(* { box-sizing: border-box; }
body { margin: 0; font-family: system-ui, -apple-system, "Segoe UI", Roboto, Arial, sans-serif;
  line-height: 1.4; color: #1a1a1a; background: #fff; }
header { background: #0b3d5c; color: #fff; padding: .6rem 1rem; }
header a { color: #fff; }
header p { margin: 0; font-weight: 600; }
header nav { display: flex; flex-wrap: wrap; gap: .2rem 1.2rem; margin-top: .3rem; }
main { padding: .3rem 1rem 2rem; }
main > p, main > ul, main > h3 { max-width: 48rem; }
h1 { font-size: 1.5rem; margin: .6rem 0; }
h2 { font-size: 1.2rem; margin: 1.2rem 0 .5rem; }
h3 { font-size: 1rem; margin: .8rem 0 .2rem; }
h1, h2, h3, p, li { overflow-wrap: anywhere; }
td { overflow-wrap: break-word; }
a { color: #0b5c8a; }
ul { padding-left: 1.2rem; }
ul.columns { columns: 14rem; }
.note { color: #555; }
table.races { border-collapse: collapse; width: 100%; }
table.races th, table.races td { text-align: left; vertical-align: top; padding: .35rem .5rem;
  border-bottom: 1px solid #ddd; }
table.races th { background: #eef2f5; }
table.races td.lead { white-space: nowrap; }
.crew { display: block; }
.won { font-weight: 700; }
.badge { font-size: .75rem; border: 1px solid currentColor; border-radius: .3rem;
  padding: 0 .25rem; margin-left: .3rem; white-space: nowrap; }
.bracket { display: flex; flex-direction: column; gap: .5rem; }
.round h2 { margin: .6rem 0 .4rem; }
.round-races { display: flex; flex-direction: column; gap: .5rem; }
.race { border: 1px solid #c8d1d8; border-radius: .4rem; padding: .35rem .6rem; background: #fafbfc; }
.race.bye { display: none; }
.race p { margin: .1rem 0; }
.race-head { display: flex; justify-content: space-between; gap: .5rem; color: #444;
  font-size: .9rem; }
.verdict { color: #444; font-size: .9rem; }
@media (min-width: 48rem) {
  .bracket { flex-direction: row; overflow-x: auto; gap: 1rem; }
  .round { flex: 1 0 13rem; max-width: 20rem; display: flex; flex-direction: column; }
  .race.bye { display: block; visibility: hidden; min-height: 4.6rem; }
  .round-races { flex: 1; justify-content: space-around; }
}
@media (max-width: 40rem) {
  table.races thead { display: none; }
  table.races, table.races tbody { display: block; }
  table.races tr { display: block; border-bottom: 1px solid #ccc; padding: .4rem 0; }
  table.races td { display: block; border: 0; padding: .1rem 0; }
  table.races td.lead { display: inline; padding-right: .5rem; font-weight: 600;
    white-space: normal; }
  table.races td:empty { display: none; }
  table.races td[data-label]::before { content: attr(data-label) ": "; color: #555; }
}
@media print {
  header { background: none; color: #000; padding: 0; }
  a, header a { color: #000; text-decoration: none; }
  header nav { display: none; }
  body { font-size: 10pt; }
  .bracket { overflow: visible; }
  .race, tr { break-inside: avoid; }
}
)css";

} // namespace

std::string SiteStylesheet() {
    return Stylesheet;
}

std::string PageLink(std::string_view page, std::string_view text) {
    return "<a href=\"" + HtmlEscaped(page) + "\">" + HtmlEscaped(text) + "</a>";
}

std::string PageStart(const Boatmeet& meet, std::string_view heading) {
    const std::string regatta = meet.Title.empty() ? "Regatta" : meet.Title;
    std::string page = "<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                       "<meta name=\"viewport\" content=\"width=device-width, initial-scale=1\">\n";
    page += "<title>" + HtmlEscaped(heading);
    if (heading != regatta)
        page += " - " + HtmlEscaped(regatta);
    page += "</title>\n";
    page += "<link rel=\"stylesheet\" href=\"" + std::string(StylesheetName) + "\">\n";
    page += "</head>\n<body>\n<header>\n<p>" + PageLink("index.html", regatta);
    if (!meet.Date.empty())
        page += " &middot; " + HtmlEscaped(meet.Date);
    page += "</p>\n<nav>" + PageLink("schedule.html", "Race schedule") + " " +
            PageLink("finals.html", "Finals results") + " " + PageLink("changes.html", "Changes") +
            "</nav>\n</header>\n<main>\n";
    page += "<h1>" + HtmlEscaped(heading) + "</h1>\n";
    return page;
}

std::string PageEnd() {
    return "</main>\n</body>\n</html>\n";
}

} // namespace bm

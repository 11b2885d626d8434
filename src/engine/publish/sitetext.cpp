#include "engine/publish/sitetext.h"

#include "engine/model/text.h"

namespace bm {

namespace {

bool IsAsciiAlnum(char32_t c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9');
}

// The plain letter of each accented Latin letter from U+00C0 to U+017F
// ("Whakatāne" -> "Whakatane"); "-" for the signs among them.
constexpr std::string_view LatinLetters =
    "AAAAAAACEEEEIIIIDNOOOOO-OUUUUYTsaaaaaaaceeeeiiiidnooooo-ouuuuyty"
    "AaAaAaCcCcCcCcDdDdEeEeEeEeEeGgGgGgGgHhHhIiIiIiIiIiIiJjKkkLlLlLlL"
    "lLlNnNnNnnNnOoOoOoOoRrRrRrSsSsSsSsTtTtTtUuUuUuUuUuUuWwYyYZzZzZzs";

char32_t PlainLetter(char32_t c) {
    if (c >= 0xC0 && c < 0xC0 + LatinLetters.size())
        return static_cast<char32_t>(LatinLetters[c - 0xC0]);
    return c;
}

} // namespace

std::string PageFileName(std::string_view prefix, std::string_view name, int key) {
    constexpr std::size_t longest = 40;
    std::string slug;
    bool gap = false;
    for (char32_t c : CodePoints(name)) {
        c = PlainLetter(c);
        if (!IsAsciiAlnum(c)) {
            gap = !slug.empty();
            continue;
        }
        if (slug.size() + (gap ? 2 : 1) > longest)
            break;
        if (gap)
            slug += '-';
        gap = false;
        slug += static_cast<char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
    }
    std::string file(prefix);
    if (!slug.empty())
        file += '-' + slug;
    return file + '-' + std::to_string(key) + ".html";
}

bool IsSafeSiteFileName(std::string_view name) {
    if (name.empty() || name.front() == '.' || name.size() > 200)
        return false;
    for (char c : name)
        if (!IsAsciiAlnum(static_cast<unsigned char>(c)) && c != '-' && c != '_' && c != '.')
            return false;
    return true;
}

} // namespace bm

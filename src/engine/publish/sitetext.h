// The texts of the published web site that come from the meet: names escaped
// for HTML, and file names made from names that are safe on every system.
#pragma once

#include "engine/model/text.h"

#include <string>
#include <string_view>

namespace bm {

// The file name of a page for a named entry: the prefix, the name's ASCII
// letters and digits in lower case with every other run of characters as one
// "-" (at most 40 characters), "-", the entry's key, ".html". The key after
// the last "-" keeps two entries apart whatever their names; the name can
// never climb out of the folder or start a hidden file.
std::string PageFileName(std::string_view prefix, std::string_view name, int key);

// True when the name is one the site may hold: a plain file name in the folder
// itself, not hidden, made of ASCII letters, digits, "-", "_" and ".".
bool IsSafeSiteFileName(std::string_view name);

} // namespace bm

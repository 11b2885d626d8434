#include "engine/editors/editing.h"

#include "engine/model/text.h"

namespace bm {

std::string TypedText(std::string_view text, int limit) {
    return FirstChars(CleanText(text), limit);
}

} // namespace bm

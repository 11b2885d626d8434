#include "engine/editors/editing.h"

#include "engine/model/text.h"

#include <utility>

namespace bm {

std::string TypedText(std::string_view text, int limit) {
    return FirstChars(CleanText(text), limit);
}

EditResult MadeChange(std::vector<std::string> messages) {
    EditResult result;
    result.Changed = true;
    result.Messages = std::move(messages);
    return result;
}

EditResult Refusal(std::string stop) {
    EditResult result;
    result.Stop = std::move(stop);
    return result;
}

} // namespace bm

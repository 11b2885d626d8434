#include "cli/editing.h"

namespace bm::cli {

OptionRule YesOption() {
    return {.name = "--yes",
            .help = "Answers Yes to the editor's questions; without it a question ends the "
                    "command (its text on stderr, exit 1, nothing written)."};
}

EditQuestions::EditQuestions(const ParsedArgs& args) : yes_(args.Has("--yes")) {}

Confirm EditQuestions::Callback() {
    return [this](const std::string& question) {
        if (yes_)
            return true;
        if (declined_.empty())
            declined_ = question;
        return false;
    };
}

int FinishEdit(const EditResult& result, const EditQuestions& questions, Streams& io) {
    if (!questions.Declined().empty()) {
        io.err << questions.Declined() << "\n";
        return Problem;
    }
    if (!result.Stop.empty()) {
        io.err << result.Stop << "\n";
        return Problem;
    }
    for (const std::string& message : result.Messages)
        io.err << message << "\n";
    return Done;
}

} // namespace bm::cli

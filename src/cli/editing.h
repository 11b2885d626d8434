// What the editing commands share: the questions of an editor answered from
// --yes, and the end of an editor action as the command line shows it.
#pragma once

#include "cli/command.h"
#include "engine/editors/editing.h"
#include "engine/model/confirm.h"

#include <string>

namespace bm::cli {

// --yes: answers every question of the editor Yes.
OptionRule YesOption();

// The editor's questions during one command: with --yes each is answered
// Yes; without it the first is answered No and ends the command.
class EditQuestions {
public:
    explicit EditQuestions(const ParsedArgs& args);
    Confirm Callback();
    // The question that was answered No; empty when none was.
    const std::string& Declined() const { return declined_; }

private:
    bool yes_;
    std::string declined_;
};

// Shows what an editor action did: a declined question or a stopping
// information goes to stderr and gives Problem (the meet is not written);
// otherwise each message goes to stderr and the command goes on (Done).
int FinishEdit(const EditResult& result, const EditQuestions& questions, Streams& io);

} // namespace bm::cli

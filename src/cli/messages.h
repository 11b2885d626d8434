// The engine's messages during a run: information goes to stderr, questions
// get a fixed answer.
#pragma once

#include "engine/session/messages.h"

#include <ostream>

namespace bm::cli {

// Prints information messages on stderr; questions get the configured answer.
// Installed for its lifetime; the handler before it comes back afterwards.
class CliMessages : public MessageHandler {
public:
    explicit CliMessages(std::ostream& err, bool answer = false);
    ~CliMessages() override;
    void Inform(const std::string& text) override;
    bool Ask(const std::string& question) override;

private:
    std::ostream& err_;
    bool answer_;
    MessageHandler* previous_;
};

} // namespace bm::cli

#include "cli/messages.h"

namespace bm::cli {

CliMessages::CliMessages(std::ostream& err, bool answer)
    : err_(err), answer_(answer), previous_(SetMessageHandler(this)) {}

CliMessages::~CliMessages() {
    SetMessageHandler(previous_);
}

void CliMessages::Inform(const std::string& text) {
    err_ << text << "\n";
}

bool CliMessages::Ask(const std::string&) {
    return answer_;
}

} // namespace bm::cli

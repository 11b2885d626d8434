#include "engine/session/messages.h"

namespace bm {

namespace {

class SilentHandler : public MessageHandler {
public:
    void Inform(const std::string&) override {}
    bool Ask(const std::string&) override { return false; }
};

SilentHandler silent;
MessageHandler* current = &silent;

} // namespace

MessageHandler& Messages() {
    return *current;
}

MessageHandler* SetMessageHandler(MessageHandler* handler) {
    MessageHandler* previous = current;
    current = handler ? handler : &silent;
    return previous;
}

} // namespace bm

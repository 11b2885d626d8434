// The one way the program talks to the user: information boxes ("For
// Information", OK) and Yes/No questions ("Question"). The desktop program shows
// real boxes, the CLI prints, and tests answer from a script.
#pragma once

#include <string>

namespace bm {

class MessageHandler {
public:
    virtual ~MessageHandler() = default;
    virtual void Inform(const std::string& text) = 0;
    // True for Yes.
    virtual bool Ask(const std::string& question) = 0;
};

// The handler in force; by default one that shows nothing and answers No.
MessageHandler& Messages();
// Installs a handler (not owned); nullptr restores the default. Returns the
// handler that was in force, so a caller can put it back.
MessageHandler* SetMessageHandler(MessageHandler* handler);

} // namespace bm

// The one way the program talks to the user: information boxes ("For
// Information", OK), Yes/No questions ("Question"), the close question that
// can also be cancelled, and the input dialog. The session holds one handler
// and every window asks through it: the desktop program shows real boxes,
// tests answer from a script.
#pragma once

#include "engine/model/confirm.h"

#include <optional>
#include <string>

namespace bm {

enum class Answer { Yes, No, Cancel };

class MessageHandler {
public:
    virtual ~MessageHandler() = default;
    virtual void Inform(const std::string& text) = 0;
    // True for Yes.
    virtual bool Ask(const std::string& question) = 0;
    // A question with Yes, No and Cancel (Escape cancels).
    virtual Answer AskOrCancel(const std::string& question) = 0;
    // The input dialog with its caption, prompt and starting text: the text
    // left in it when OK closes it; none when it is cancelled.
    virtual std::optional<std::string>
    AskText(const std::string& caption, const std::string& prompt, const std::string& text) = 0;

    // The handler's Ask as the callback engine operations put questions through.
    Confirm Confirmation() {
        return [this](const std::string& question) { return Ask(question); };
    }
};

// Shows nothing: every question is answered No (the close question Cancel)
// and the input dialog is cancelled.
class SilentMessages : public MessageHandler {
public:
    void Inform(const std::string&) override {}
    bool Ask(const std::string&) override { return false; }
    Answer AskOrCancel(const std::string&) override { return Answer::Cancel; }
    std::optional<std::string> AskText(const std::string&, const std::string&,
                                       const std::string&) override {
        return std::nullopt;
    }
};

} // namespace bm

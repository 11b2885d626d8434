// MessageBoxes: the program's messages as modal boxes: information boxes captioned
// "For Information" with OK, questions captioned "Question" with Yes and No.
#pragma once

#include "engine/session/messages.h"

class QWidget;

class MessageBoxes : public bm::MessageHandler {
public:
    // Installs itself as the program's message handler for its lifetime.
    explicit MessageBoxes(QWidget* parent = nullptr);
    ~MessageBoxes() override;
    MessageBoxes(const MessageBoxes&) = delete;
    MessageBoxes& operator=(const MessageBoxes&) = delete;

    void SetParent(QWidget* parent) { parent_ = parent; }
    void Inform(const std::string& text) override;
    bool Ask(const std::string& question) override;

private:
    QWidget* parent_;
};

// WindowMessages: the program's messages and questions as modal boxes:
// information boxes captioned "For Information" with OK, questions captioned
// "Question" with Yes and No (the close question also with Cancel), and the
// input dialog. The session holds it; every window asks through the session.
#pragma once

#include "engine/session/messages.h"
#include "gui/dialogs/inputdialog.h"

#include <QPointer>

class QWidget;

class WindowMessages : public bm::MessageHandler {
public:
    explicit WindowMessages(QWidget* parent = nullptr);
    ~WindowMessages() override;
    WindowMessages(const WindowMessages&) = delete;
    WindowMessages& operator=(const WindowMessages&) = delete;

    // The window the boxes stand over.
    void SetParent(QWidget* parent) { parent_ = parent; }
    void Inform(const std::string& text) override;
    bool Ask(const std::string& question) override;
    bm::Answer AskOrCancel(const std::string& question) override;
    std::optional<std::string> AskText(const std::string& caption, const std::string& prompt,
                                       const std::string& text) override;

private:
    QWidget* parent_;
    // Made at first use over the parent, which may delete it first.
    QPointer<TFGetData> input_;
};

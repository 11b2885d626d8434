#include "gui/dialogs/windowmessages.h"

#include "gui/dialogs/inputdialog.h"

#include <QMessageBox>

namespace {

int ShowQuestion(QWidget* parent, const std::string& question,
                 QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Question"),
                    QString::fromStdString(question), buttons, parent);
    // File names and crew names are shown as typed, never read as markup.
    box.setTextFormat(Qt::PlainText);
    return box.exec();
}

} // namespace

WindowMessages::WindowMessages(QWidget* parent) : parent_(parent) {}

WindowMessages::~WindowMessages() {
    delete input_;
}

void WindowMessages::Inform(const std::string& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("For Information"),
                    QString::fromStdString(text), QMessageBox::Ok, parent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool WindowMessages::Ask(const std::string& question) {
    return ShowQuestion(parent_, question, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

bm::Answer WindowMessages::AskOrCancel(const std::string& question) {
    // Escape and the window's close button give Cancel.
    switch (
        ShowQuestion(parent_, question, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes:
        return bm::Answer::Yes;
    case QMessageBox::No:
        return bm::Answer::No;
    default:
        return bm::Answer::Cancel;
    }
}

std::optional<std::string> WindowMessages::AskText(const std::string& caption,
                                                   const std::string& prompt,
                                                   const std::string& text) {
    if (!input_)
        input_ = new TFGetData(parent_);
    const std::optional<QString> typed =
        input_->Ask(QString::fromStdString(caption), QString::fromStdString(prompt),
                    QString::fromStdString(text));
    if (!typed)
        return std::nullopt;
    return typed->toStdString();
}

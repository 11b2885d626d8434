#include "gui/common/messageboxes.h"

#include <QMessageBox>

MessageBoxes::MessageBoxes(QWidget* parent) : parent_(parent) {
    bm::SetMessageHandler(this);
}

MessageBoxes::~MessageBoxes() {
    bm::SetMessageHandler(nullptr);
}

void MessageBoxes::Inform(const std::string& text) {
    QMessageBox box(QMessageBox::Information, QStringLiteral("For Information"),
                    QString::fromStdString(text), QMessageBox::Ok, parent_);
    // File names and crew names are shown as typed, never read as markup.
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool MessageBoxes::Ask(const std::string& question) {
    QMessageBox box(QMessageBox::Question, QStringLiteral("Question"),
                    QString::fromStdString(question), QMessageBox::Yes | QMessageBox::No, parent_);
    box.setTextFormat(Qt::PlainText);
    return box.exec() == QMessageBox::Yes;
}

#include "gui/dialogs/inputdialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFGetData::TFGetData(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("FGetData"));
    setModal(true);
    Info = new QLabel(this);
    Info->setObjectName(QStringLiteral("Info"));
    Data_E = new QLineEdit(this);
    Data_E->setObjectName(QStringLiteral("Data_E"));
    Data_E->setMinimumWidth(320);
    Info->setBuddy(Data_E);
    OK_B = new QPushButton(QStringLiteral("&OK"), this);
    OK_B->setObjectName(QStringLiteral("OK_B"));
    OK_B->setDefault(true);
    Cancel_B = new QPushButton(QStringLiteral("&Cancel"), this);
    Cancel_B->setObjectName(QStringLiteral("Cancel_B"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Info);
    layout->addWidget(Data_E);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(OK_B);
    buttons->addWidget(Cancel_B);
    layout->addLayout(buttons);
    connect(OK_B, &QPushButton::clicked, this, &QDialog::accept);
    connect(Cancel_B, &QPushButton::clicked, this, &QDialog::reject);
}

std::optional<QString> TFGetData::Ask(const QString& caption, const QString& prompt,
                                      const QString& text) {
    setWindowTitle(caption);
    Info->setText(prompt);
    Data_E->setText(text);
    Data_E->selectAll();
    Data_E->setFocus();
    if (exec() != QDialog::Accepted)
        return std::nullopt;
    return Data_E->text();
}

#include "gui/dialogs/aboutbox.h"

#include "engine/model/boatmeet.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TAboutBox::TAboutBox(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("About Boatmeet"));
    setModal(true);
    auto* name = new QLabel(QStringLiteral("Boatmeet"), this);
    name->setObjectName(QStringLiteral("ProductName"));
    QFont big = name->font();
    big.setPointSize(big.pointSize() * 2);
    big.setBold(true);
    name->setFont(big);
    auto* purpose = new QLabel(QStringLiteral("Draws, race schedules, results and billing for "
                                              "rowing regattas."),
                               this);
    auto* version = new QLabel(QString::fromStdString(bm::ProgramVersionText()), this);
    version->setObjectName(QStringLiteral("Version"));
    auto* ok = new QPushButton(QStringLiteral("&OK"), this);
    ok->setObjectName(QStringLiteral("OKButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(name);
    layout->addWidget(purpose);
    layout->addWidget(version);
    layout->addLayout(buttons);
}

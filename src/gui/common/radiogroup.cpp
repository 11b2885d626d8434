#include "gui/common/radiogroup.h"

#include "gui/common/textconversion.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

RadioGroup::RadioGroup(const char* name, const char* title,
                       std::initializer_list<const char*> items, int columns, QWidget* parent)
    : QGroupBox(Text(title), parent), group_(new QButtonGroup(this)) {
    setObjectName(Text(name));
    setAccessibleName(Text(title));
    auto* grid = new QGridLayout(this);
    int index = 0;
    for (const char* item : items) {
        auto* button = new QRadioButton(Text(item), this);
        button->setObjectName(Text(name) + QString::number(index));
        group_->addButton(button, index);
        grid->addWidget(button, index / columns, index % columns);
        ++index;
    }
}

int RadioGroup::ItemIndex() const {
    return group_->checkedId();
}

void RadioGroup::SetItemIndex(int index) {
    setting_ = true;
    if (QAbstractButton* button = group_->button(index))
        button->setChecked(true);
    setting_ = false;
}

QRadioButton* RadioGroup::Item(int index) const {
    return qobject_cast<QRadioButton*>(group_->button(index));
}

// Every way of choosing checks a button, so the check is what is told; a
// click on the button already chosen tells nothing.
void RadioGroup::OnChoice(std::function<void(int)> handler) {
    connect(group_, &QButtonGroup::idToggled, this,
            [this, handler = std::move(handler)](int index, bool checked) {
                if (checked && !setting_)
                    handler(index);
            });
}

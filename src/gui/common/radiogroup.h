// RadioGroup: a titled box of radio buttons of which one is chosen by its
// index, laid out in columns; the choice is told however the user makes it.
#pragma once

#include <QGroupBox>

#include <functional>
#include <initializer_list>

class QButtonGroup;
class QRadioButton;

class RadioGroup : public QGroupBox {
public:
    // The group named `name` (object and accessible name) with its items in
    // order; the buttons are named `name` followed by their index ("SType_RG0").
    RadioGroup(const char* name, const char* title, std::initializer_list<const char*> items,
               int columns = 1, QWidget* parent = nullptr);

    // The chosen item, -1 when none is.
    int ItemIndex() const;
    // Chooses the item without telling; an index outside the items changes nothing.
    void SetItemIndex(int index);
    QRadioButton* Item(int index) const;
    // Told the index of each item the user chooses: with the mouse, with the
    // keys or through the accessibility action, which checks a button
    // without clicking it.
    void OnChoice(std::function<void(int)> handler);

private:
    QButtonGroup* group_;
    bool setting_ = false;
};

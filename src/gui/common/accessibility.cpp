#include "gui/common/accessibility.h"

#include "gui/common/reportlinesaccessible.h"
#include "gui/common/reportlinesview.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

// A drop-down as Qt presents it (its list and, when editable, its edit as
// children; showing and hiding the list as its actions; the item shown as its
// value), except for its name: Qt names a drop-down by the item it shows on
// this platform, so "Club" would be read as "Riverside". Here the name is the
// accessible name given, or else the text of the label whose buddy it is.
class ComboAccessible : public QAccessibleWidget {
public:
    explicit ComboAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Value)
            return Box()->isEditable() ? Box()->lineEdit()->text() : Box()->currentText();
        return QAccessibleWidget::text(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = Box()->view()->isVisible();
        state.editable = Box()->isEditable();
        return state;
    }
    int childCount() const override { return Box()->isEditable() ? 2 : 1; }
    QAccessibleInterface* child(int index) const override {
        if (index == 0)
            return QAccessible::queryAccessibleInterface(Box()->view());
        if (index == 1 && Box()->isEditable())
            return QAccessible::queryAccessibleInterface(Box()->lineEdit());
        return nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        if (child->object() == Box()->view())
            return 0;
        if (Box()->isEditable() && child->object() == Box()->lineEdit())
            return 1;
        return -1;
    }
    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& action) override {
        if (action != showMenuAction() && action != pressAction())
            return;
        if (Box()->view()->isVisible())
            Box()->hidePopup();
        else
            Box()->showPopup();
    }

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("ReportLinesView"))
        return new ReportLinesAccessible(static_cast<ReportLinesView*>(object));
    if (className == QLatin1String("QComboBox"))
        return new ComboAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

// Qt asks the factories installed last first, so these come before its own.
void InstallAccessibleInterfaces() {
    static bool installed = false;
    if (installed)
        return;
    installed = true;
    QAccessible::installFactory(Factory);
}

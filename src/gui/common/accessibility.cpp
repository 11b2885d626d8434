#include "gui/common/accessibility.h"

#include "gui/common/reportlinesaccessible.h"
#include "gui/common/reportlinesview.h"
#include "gui/common/textpieces.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>
#include <QComboBox>
#include <QLineEdit>

namespace {

// A drop-down as Qt presents it (its list and, when editable, its edit as
// children; showing and hiding the list as its actions; the entry shown as its
// value), except for its name: Qt names a drop-down by the entry it shows on
// this platform, so "Club" would be read as "Riverside". Here the name is the
// accessible name given, or else the text of the label whose buddy it is, and
// the entry shown is its value and its text, which screen readers here read
// beside the name; a change of entry is told as a change of that text.
class ComboAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ComboAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {
        QObject::connect(box, &QComboBox::currentTextChanged, box,
                         [box, shown = box->currentText()](const QString& entry) mutable {
                             QAccessibleTextUpdateEvent update(box, 0, shown, entry);
                             QAccessible::updateAccessibility(&update);
                             shown = entry;
                         });
    }

    QString text(QAccessible::Text type) const override {
        if (type == QAccessible::Value)
            return Entry();
        return QAccessibleWidget::text(type);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = Box()->view()->isVisible();
        state.editable = Box()->isEditable();
        return state;
    }
    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface && !Box()->isEditable())
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
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

    // --- The entry shown as a read-only text (boxes that cannot be typed in) ---
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QString text(int startOffset, int endOffset) const override {
        return Entry().mid(startOffset, endOffset - startOffset);
    }
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                             int* endOffset) const override {
        return Piece(offset, type, -1, startOffset, endOffset);
    }
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                            int* endOffset) const override {
        return Piece(offset, type, 1, startOffset, endOffset);
    }
    QString textAtOffset(int offset, QAccessible::TextBoundaryType type, int* startOffset,
                         int* endOffset) const override {
        return Piece(offset, type, 0, startOffset, endOffset);
    }
    int characterCount() const override { return static_cast<int>(Entry().size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
    QString Entry() const {
        return Box()->isEditable() ? Box()->lineEdit()->text() : Box()->currentText();
    }
    // The entry is one line: a line or the whole is the entry itself.
    QString Piece(int offset, QAccessible::TextBoundaryType type, int direction, int* startOffset,
                  int* endOffset) const {
        const QString entry = Entry();
        const bool whole = type == QAccessible::LineBoundary ||
                           type == QAccessible::ParagraphBoundary ||
                           type == QAccessible::NoBoundary;
        const auto [start, end] =
            NeighbourPiece(offset, direction, static_cast<int>(entry.size()), [&](int at) {
                return whole ? std::pair<int, int>{0, static_cast<int>(entry.size())}
                             : TextPieceAround(entry, at, type);
            });
        *startOffset = start;
        *endOffset = end;
        return start < 0 ? QString() : entry.mid(start, end - start);
    }
};

// A warning beside the fields is an alert, read by its caption and text.
class WarningAccessible : public QAccessibleWidget {
public:
    explicit WarningAccessible(QWidget* label)
        : QAccessibleWidget(label, QAccessible::AlertMessage) {}
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
    if (className == QLatin1String("WarningLabel"))
        return new WarningAccessible(static_cast<QWidget*>(object));
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

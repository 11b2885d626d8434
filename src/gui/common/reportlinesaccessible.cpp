#include "gui/common/reportlinesaccessible.h"

#include "gui/common/reportlinesview.h"

#include <QScrollBar>

#include <algorithm>

namespace {

// A few lines of the view as a text of their own, for the boundaries of
// characters, words and sentences, which Qt's own text interface finds in
// any text; only the lines around the offset are made into a string.
class LinesWindow : public QAccessibleTextInterface {
public:
    explicit LinesWindow(QString text) : text_(std::move(text)) {}
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
        return text_.mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(text_.size()); }
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
        return {};
    }

private:
    QString text_;
};

} // namespace

ReportLinesAccessible::ReportLinesAccessible(ReportLinesView* view)
    : QAccessibleWidget(view, QAccessible::EditableText) {}

ReportLinesView* ReportLinesAccessible::View() const {
    return static_cast<ReportLinesView*>(widget());
}

QAccessible::State ReportLinesAccessible::state() const {
    QAccessible::State state = QAccessibleWidget::state();
    state.readOnly = true;
    state.multiLine = true;
    state.selectableText = true;
    state.focusable = true;
    return state;
}

void* ReportLinesAccessible::interface_cast(QAccessible::InterfaceType type) {
    if (type == QAccessible::TextInterface)
        return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
}

void ReportLinesAccessible::selection(int selectionIndex, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = 0;
    if (selectionIndex != 0 || !View()->HasSelection())
        return;
    const auto [from, to] = View()->Selection();
    *startOffset = View()->OffsetOf(from);
    *endOffset = View()->OffsetOf(to);
}

int ReportLinesAccessible::selectionCount() const {
    return View()->HasSelection() ? 1 : 0;
}

void ReportLinesAccessible::addSelection(int startOffset, int endOffset) {
    setSelection(0, startOffset, endOffset);
}

void ReportLinesAccessible::removeSelection(int selectionIndex) {
    if (selectionIndex == 0)
        View()->SetCaret(View()->Caret());
}

void ReportLinesAccessible::setSelection(int selectionIndex, int startOffset, int endOffset) {
    if (selectionIndex != 0)
        return;
    View()->Select(View()->PositionOf(startOffset), View()->PositionOf(endOffset));
    View()->ScrollTo(View()->Caret());
}

int ReportLinesAccessible::cursorPosition() const {
    return View()->OffsetOf(View()->Caret());
}

void ReportLinesAccessible::setCursorPosition(int position) {
    View()->SetCaret(View()->PositionOf(position));
    View()->ScrollTo(View()->Caret());
}

QString ReportLinesAccessible::text(int startOffset, int endOffset) const {
    const ReportLinesView::Position from = View()->PositionOf(std::max(0, startOffset));
    const ReportLinesView::Position to = View()->PositionOf(std::min(endOffset, characterCount()));
    return View()->TextBetween(from, to);
}

// A line with its line end, as Qt's text interfaces give a line.
QString ReportLinesAccessible::LinePiece(int line, int* startOffset, int* endOffset) const {
    *startOffset = View()->OffsetOf({line, 0});
    *endOffset =
        line + 1 < View()->LineCount() ? View()->OffsetOf({line + 1, 0}) : characterCount();
    return text(*startOffset, *endOffset);
}

QString ReportLinesAccessible::Piece(int offset, QAccessible::TextBoundaryType boundaryType,
                                     int direction, int* startOffset, int* endOffset) const {
    *startOffset = *endOffset = -1;
    if (boundaryType == QAccessible::NoBoundary) {
        *startOffset = 0;
        *endOffset = characterCount();
        return direction == 0 ? text(0, characterCount()) : QString();
    }
    const int line = View()->PositionOf(offset).line;
    if (boundaryType == QAccessible::LineBoundary ||
        boundaryType == QAccessible::ParagraphBoundary) {
        const int wanted = line + direction;
        if (wanted < 0 || wanted >= View()->LineCount())
            return {};
        return LinePiece(wanted, startOffset, endOffset);
    }
    // Characters, words and sentences: found in the line and its neighbours.
    const int first = std::max(0, line - 1);
    const int last = std::min(View()->LineCount() - 1, line + 1);
    const int base = View()->OffsetOf({first, 0});
    const int end =
        last + 1 < View()->LineCount() ? View()->OffsetOf({last + 1, 0}) : characterCount();
    LinesWindow window(text(base, end));
    const int inWindow = offset - base;
    const QString piece =
        direction < 0   ? window.textBeforeOffset(inWindow, boundaryType, startOffset, endOffset)
        : direction > 0 ? window.textAfterOffset(inWindow, boundaryType, startOffset, endOffset)
                        : window.textAtOffset(inWindow, boundaryType, startOffset, endOffset);
    if (*startOffset >= 0) {
        *startOffset += base;
        *endOffset += base;
    }
    return piece;
}

QString ReportLinesAccessible::textBeforeOffset(int offset,
                                                QAccessible::TextBoundaryType boundaryType,
                                                int* startOffset, int* endOffset) const {
    return Piece(offset, boundaryType, -1, startOffset, endOffset);
}

QString ReportLinesAccessible::textAfterOffset(int offset,
                                               QAccessible::TextBoundaryType boundaryType,
                                               int* startOffset, int* endOffset) const {
    return Piece(offset, boundaryType, 1, startOffset, endOffset);
}

QString ReportLinesAccessible::textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                                            int* startOffset, int* endOffset) const {
    return Piece(offset, boundaryType, 0, startOffset, endOffset);
}

int ReportLinesAccessible::characterCount() const {
    return View()->TextLength();
}

QRect ReportLinesAccessible::characterRect(int offset) const {
    const QRect rect = View()->CharacterRect(View()->PositionOf(offset));
    return rect.translated(View()->viewport()->mapToGlobal(QPoint(0, 0)));
}

int ReportLinesAccessible::offsetAtPoint(const QPoint& point) const {
    const QPoint at = View()->viewport()->mapFromGlobal(point);
    if (!View()->viewport()->rect().contains(at))
        return -1;
    return View()->OffsetOf(View()->PositionAt(at));
}

void ReportLinesAccessible::scrollToSubstring(int startIndex, int endIndex) {
    View()->ScrollTo(View()->PositionOf(endIndex));
    View()->ScrollTo(View()->PositionOf(startIndex));
}

// The text has no attributes of its own: the view's font holds for all of it.
QString ReportLinesAccessible::attributes(int offset, int* startOffset, int* endOffset) const {
    (void)offset;
    *startOffset = 0;
    *endOffset = characterCount();
    return {};
}

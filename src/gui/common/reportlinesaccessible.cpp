#include "gui/common/reportlinesaccessible.h"

#include "gui/common/reportlinesview.h"
#include "gui/common/textpieces.h"

#include <QScrollBar>

#include <algorithm>

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
    const auto [start, end] =
        NeighbourPiece(offset, direction, characterCount(),
                       [this, boundaryType](int at) { return PieceAround(at, boundaryType); });
    if (start < 0)
        return {};
    *startOffset = start;
    *endOffset = end;
    return text(start, end);
}

// Characters, words and sentences: found in the offset's line and its
// neighbours, so only a few lines of a long report are made into a string.
// The lines taken reach out to lines that hold a word, so that the blanks
// between two words, blank lines included, are one piece.
std::pair<int, int>
ReportLinesAccessible::PieceAround(int offset, QAccessible::TextBoundaryType boundaryType) const {
    const int line = View()->PositionOf(offset).line;
    int first = std::max(0, line - 1);
    while (first > 0 && line - first < MaxBlankLinesSpanned && !HoldsAWord(first))
        --first;
    int last = std::min(View()->LineCount() - 1, line + 1);
    while (last + 1 < View()->LineCount() && last - line < MaxBlankLinesSpanned &&
           !HoldsAWord(last))
        ++last;
    const int base = View()->OffsetOf({first, 0});
    const int end =
        last + 1 < View()->LineCount() ? View()->OffsetOf({last + 1, 0}) : characterCount();
    const auto [from, to] = TextPieceAround(text(base, end), offset - base, boundaryType);
    return {base + from, base + to};
}

bool ReportLinesAccessible::HoldsAWord(int line) const {
    int start = 0;
    int end = 0;
    const QString text = LinePiece(line, &start, &end);
    return std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
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

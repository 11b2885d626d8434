// ReportLinesAccessible: what a screen reader reads of the report view: an
// editable-text role marked read-only and multi-line, with Qt's accessible
// text interface over the view's lines joined by line ends (the whole text,
// line by line, word by word), its caret and its one selection, both of which
// the reader may also move.
#pragma once

#include <QAccessibleWidget>

#include <utility>

class ReportLinesView;

class ReportLinesAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit ReportLinesAccessible(ReportLinesView* view);

    QAccessible::State state() const override;
    void* interface_cast(QAccessible::InterfaceType type) override;

    // --- QAccessibleTextInterface; offsets count QString characters ---
    void selection(int selectionIndex, int* startOffset, int* endOffset) const override;
    int selectionCount() const override;
    void addSelection(int startOffset, int endOffset) override;
    void removeSelection(int selectionIndex) override;
    void setSelection(int selectionIndex, int startOffset, int endOffset) override;
    int cursorPosition() const override;
    void setCursorPosition(int position) override;
    QString text(int startOffset, int endOffset) const override;
    QString textBeforeOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                             int* startOffset, int* endOffset) const override;
    QString textAfterOffset(int offset, QAccessible::TextBoundaryType boundaryType,
                            int* startOffset, int* endOffset) const override;
    QString textAtOffset(int offset, QAccessible::TextBoundaryType boundaryType, int* startOffset,
                         int* endOffset) const override;
    int characterCount() const override;
    QRect characterRect(int offset) const override;
    int offsetAtPoint(const QPoint& point) const override;
    void scrollToSubstring(int startIndex, int endIndex) override;
    QString attributes(int offset, int* startOffset, int* endOffset) const override;

private:
    ReportLinesView* View() const;
    // The text piece around the offset for a boundary: -1 before, 0 at, 1 after.
    QString Piece(int offset, QAccessible::TextBoundaryType boundaryType, int direction,
                  int* startOffset, int* endOffset) const;
    QString LinePiece(int line, int* startOffset, int* endOffset) const;
    // [start, end) of the character, word or sentence that holds the offset.
    std::pair<int, int> PieceAround(int offset, QAccessible::TextBoundaryType boundaryType) const;
    bool HoldsAWord(int line) const;

    // How far the lines taken for a piece reach over lines without a word.
    static constexpr int MaxBlankLinesSpanned = 200;
};

#include "gui/editors/crewlistmodel.h"

#include "gui/common/textconversion.h"

void CrewListModel::ShowLines(const std::vector<bm::CrewLine>* lines) {
    beginResetModel();
    lines_ = lines;
    rows_ = lines ? static_cast<int>(lines->size()) : 0;
    endResetModel();
}

void CrewListModel::LinesRefilled() {
    const int rows = lines_ ? static_cast<int>(lines_->size()) : 0;
    if (rows != rows_) {
        ShowLines(lines_);
        return;
    }
    if (rows > 0)
        emit dataChanged(index(0), index(rows - 1), {Qt::DisplayRole});
}

void CrewListModel::LineChanged(int row) {
    if (row >= 0 && row < rows_)
        emit dataChanged(index(row), index(row), {Qt::DisplayRole});
}

int CrewListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : rows_;
}

QVariant CrewListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !lines_ || index.row() < 0 ||
        index.row() >= static_cast<int>(lines_->size()))
        return {};
    return Text((*lines_)[static_cast<std::size_t>(index.row())].Text);
}

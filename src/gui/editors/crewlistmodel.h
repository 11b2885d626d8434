// CrewListModel: the crew editor's lines of crews as an item model, read
// straight from the engine's list, so that the list of a championship (thousands
// of crews) shows without a widget item per crew.
#pragma once

#include "engine/editors/creweditor.h"

#include <QAbstractListModel>

#include <vector>

class CrewListModel : public QAbstractListModel {
    Q_OBJECT
public:
    using QAbstractListModel::QAbstractListModel;

    // Shows the lines (not owned: the crew editor that holds them outlives
    // their showing); nullptr shows none.
    void ShowLines(const std::vector<bm::CrewLine>* lines);
    // The lines were made anew: the view reads them all again. With the same
    // number of lines the view keeps its selection and scroll position.
    void LinesRefilled();
    // One line reads differently.
    void LineChanged(int row);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;

private:
    const std::vector<bm::CrewLine>* lines_ = nullptr;
    int rows_ = 0; // the number of lines the view knows of
};

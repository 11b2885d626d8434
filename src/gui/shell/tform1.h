// The main window: menus, tool buttons and the report view of the open meet.
#pragma once

#include <QMainWindow>

class QComboBox;
class QCheckBox;
class QPlainTextEdit;
class QMenu;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TForm1(QWidget* parent = nullptr);

private:
    void BuildMenus();
    void BuildReportView();
    void SetWindowTitle();

    QComboBox* DSelect_CB = nullptr;
    QCheckBox* DisplayLock_CB = nullptr;
    QComboBox* DrawShowType_CB = nullptr;
    QPlainTextEdit* REdit = nullptr;
    QMenu* Reopen = nullptr;
};

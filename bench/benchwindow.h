// The main window of the desktop program, offscreen, with a generated meet
// open: what the window benchmarks share. benchwindow.cpp also holds their
// main, which starts the Qt application before the benchmarks run.
#pragma once

#include "engine/import/makedata.h"
#include "engine/model/settings.h"
#include "engine/session/messages.h"
#include "gui/common/dialogprovider.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/mainwindow/reportview.h"
#include "store/settingsstore.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QTemporaryDir>

#include <string>

namespace benchwindow {

// A generated meet, drawn and (unless not asked to) scheduled from 0800 every
// 2 minutes, written to the folder.
std::string WriteMeet(const QTemporaryDir& dir, const char* name, const bm::GenerateParams& params,
                      bool scheduled = true);

// The main window, shown at its usual size, with a meet open and its recovery
// copies kept in the window's own folder.
class Window {
public:
    explicit Window(const bm::GenerateParams& params, bool scheduled = true)
        : store_(QDir(dir_.path()).filePath(QStringLiteral("settings.ini")).toStdString()),
          form_(store_, dialogs_, messages_) {
        const std::string meet = WriteMeet(dir_, "meet.bmf", params, scheduled);
        form_.SetRecoveryFolder(QDir(dir_.path()).filePath(QStringLiteral("recovery")));
        form_.resize(1000, 720);
        form_.show();
        form_.OpenFile(QString::fromStdString(meet));
        bm::CurrentSettings() = bm::Settings{};
    }
    TForm1& Form() { return form_; }
    QComboBox& Selector() { return *form_.findChild<QComboBox*>(QStringLiteral("DSelect_CB")); }
    // The views are told of the changes made (the session tells them once
    // the current event is handled), then the report view is painted.
    // Waits until the report view shows the report it was asked for.
    void WaitForReport() {
        while (form_.Report().Producing())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    }
    void Paint() {
        QCoreApplication::sendPostedEvents();
        form_.findChild<QAbstractScrollArea*>(QStringLiteral("REdit"))->viewport()->repaint();
    }

private:
    QTemporaryDir dir_;
    bm::SettingsStore store_;
    StandardDialogs dialogs_;
    bm::SilentMessages messages_;
    TForm1 form_;
};

} // namespace benchwindow

// What the window tests share: scripted common dialogs, a driver that answers
// modal dialogs as a user would, a settings store in a temporary file, and
// meet files written for the test.
#pragma once

#include "engine/draw/randomdraw.h"
#include "engine/model/boatmeet.h"
#include "gui/common/dialogprovider.h"
#include "gui/mainwindow/mainwindow.h"
#include "gui/mainwindow/reportview.h"
#include "store/settingsstore.h"
#include "testsupport.h"

#include <QAbstractItemView>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QFont>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <deque>
#include <functional>
#include <memory>
#include <vector>

namespace guitest {

// Common dialogs answered from a script: each file or folder dialog takes the
// next scripted name (an empty name cancels; none left cancels too).
class ScriptedDialogs : public DialogProvider {
public:
    using DialogProvider::OpenFileName;
    QString OpenFileName(QWidget*, const QString& filter, const QString& title) override {
        openFilters.push_back(filter);
        openTitles.push_back(title);
        return Next(openNames);
    }
    QString SaveFileName(QWidget*, const SaveRequest& request) override {
        saveRequests.push_back(request);
        return Next(saveNames);
    }
    QString ExistingFolder(QWidget*, const QString& title, const QString& start) override {
        folderTitles.push_back(title);
        folderStarts.push_back(start);
        return Next(folderNames);
    }
    bool ChooseFont(QWidget*, QFont& chosen) override {
        ++fontDialogs;
        offeredFont = chosen;
        if (!font)
            return false;
        chosen = *font;
        return true;
    }
    void SetUpPrinter(QWidget*, QPrinter&) override { ++printerSetups; }

    std::deque<QString> openNames;
    std::deque<QString> saveNames;
    std::deque<QString> folderNames;
    std::vector<QString> openFilters;
    std::vector<QString> openTitles;
    std::vector<SaveRequest> saveRequests;
    std::vector<QString> folderTitles;
    std::vector<QString> folderStarts; // the folder each folder dialog started in
    std::unique_ptr<QFont> font;
    QFont offeredFont; // the font the last font dialog started from
    int fontDialogs = 0;
    int printerSetups = 0;

private:
    static QString Next(std::deque<QString>& names) {
        if (names.empty())
            return {};
        QString name = names.front();
        names.pop_front();
        return name;
    }
};

// Answers the modal dialogs that a command opens, in order: each handler gets
// the dialog once it is shown and must close it. A dialog nobody answers is
// closed after a few seconds and counted, so a test fails instead of hanging.
class ModalDriver {
public:
    ModalDriver() {
        timer_.setInterval(20);
        QObject::connect(&timer_, &QTimer::timeout, [this] { Poll(); });
        timer_.start();
    }
    void Then(std::function<void(QWidget*)> handler) { handlers_.push_back(std::move(handler)); }
    int Pending() const { return static_cast<int>(handlers_.size()); }
    int Unanswered() const { return unanswered_; }
    QStringList Captions() const { return captions_; }

private:
    void Poll() {
        QWidget* modal = QApplication::activeModalWidget();
        // Only dialogs wait for an answer; a modal progress window goes by itself.
        if (!qobject_cast<QDialog*>(modal) || !modal->isVisible()) {
            waited_ = 0;
            return;
        }
        if (!handlers_.empty()) {
            auto handler = std::move(handlers_.front());
            handlers_.pop_front();
            captions_ << modal->windowTitle();
            handler(modal);
            return;
        }
        if (++waited_ > 150) {
            ++unanswered_;
            modal->close();
        }
    }

    QTimer timer_;
    std::deque<std::function<void(QWidget*)>> handlers_;
    QStringList captions_;
    int waited_ = 0;
    int unanswered_ = 0;
};

inline QString Q(const std::string& text) {
    return QString::fromStdString(text);
}

// A meet of two events and three clubs with seven crews, written to the folder.
inline std::string WriteRegatta(const bm::test::TempDir& dir, const std::string& name,
                                bool drawn = false) {
    bm::Boatmeet meet;
    meet.Title = "Spring Regatta";
    meet.Date = "12 April";
    for (const char* event : {"MS 4-", "WS 1x"})
        meet.Events.Add(event);
    for (const char* club : {"Riverside", "Lakeview", "Harbour"})
        meet.Clubs.Add(club);
    const char* names[] = {"Alpha", "Bravo", "Charlie", "Delta", "Echo", "Foxtrot", "Golf"};
    for (int i = 0; i < 7; ++i) {
        auto crew = std::make_unique<bm::Crew>();
        crew->EventKey = meet.Events.KeyOf(i < 4 ? "MS 4-" : "WS 1x");
        crew->ClubKey = meet.Clubs.KeyOf(i % 3 == 0   ? "Riverside"
                                         : i % 3 == 1 ? "Lakeview"
                                                      : "Harbour");
        crew->Name = names[i];
        meet.AddCrew(std::move(crew));
    }
    if (drawn)
        DrawAllEvents(meet);
    const std::string path = dir.File(name);
    meet.SaveToFile(path, true);
    return path;
}

// The program's current event is handled: the views are told of the changes it made.
inline void Settle() {
    QCoreApplication::sendPostedEvents();
    QCoreApplication::processEvents();
}

// The report view shows the report of the meet as it now is: the changes
// just made are told, and the report made once they pause is waited for.
inline bool ReportShown(TForm1& form) {
    Settle();
    return QTest::qWaitFor([&form] { return !form.Report().Producing(); }, 10000);
}

// Chooses an entry of a drop-down in its open list, as a user does: the box
// has the focus, Alt+Down opens the list, and the entry is clicked, or
// reached from the top with Home and Down and confirmed with Enter.
enum class InList { Click, Keys };
inline void ChooseInOpenList(QComboBox* box, int row, InList how) {
    box->setFocus();
    QTest::keyClick(box, Qt::Key_Down, Qt::AltModifier);
    QAbstractItemView* list = box->view();
    if (how == InList::Click) {
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                          list->visualRect(list->model()->index(row, 0)).center());
    } else {
        QTest::keyClick(list, Qt::Key_Home);
        for (int i = 0; i < row; ++i)
            QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
    }
    Settle();
}

// The control of the window with the object name; the test stops when it is missing.
template <typename T> T* Child(QWidget* parent, const char* name) {
    T* child = parent->findChild<T*>(QString::fromUtf8(name));
    if (!child)
        qFatal("no control %s", name);
    return child;
}

// The window's action with the object name (menu items are named after their handler).
inline QAction* Action(QWidget& window, const char* name) {
    return window.findChild<QAction*>(QString::fromUtf8(name));
}

// A main window of its own for each test: a temporary folder, a settings store
// in it, scripted dialogs and messages, and settings at their defaults. Test
// classes call OpenWindow from init() and CloseWindow from cleanup().
class WindowTest : public QObject {
protected:
    void OpenWindow() {
        dir_ = std::make_unique<bm::test::TempDir>();
        store_ = std::make_unique<bm::SettingsStore>(dir_->File("settings.ini"));
        dialogs_ = std::make_unique<ScriptedDialogs>();
        messages_ = std::make_unique<bm::test::ScriptedMessages>();
        form_ = std::make_unique<TForm1>(*store_, *dialogs_, *messages_);
        bm::CurrentSettings() = bm::Settings();
    }
    void CloseWindow() {
        form_.reset();
        messages_.reset();
        dialogs_.reset();
        store_.reset();
        dir_.reset();
    }
    TForm1& Form() { return *form_; }

    std::unique_ptr<bm::test::TempDir> dir_;
    std::unique_ptr<bm::SettingsStore> store_;
    std::unique_ptr<ScriptedDialogs> dialogs_;
    std::unique_ptr<bm::test::ScriptedMessages> messages_;
    std::unique_ptr<TForm1> form_;
};

} // namespace guitest

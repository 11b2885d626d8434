// The main window's Edit commands, undo and redo of the changes to the meet,
// and the recovery copy that keeps unsaved changes safe from a crash: offered
// at start-up, and a warning when it cannot be written.
#include "gui/mainwindow/mainwindow.h"

#include "gui/common/textconversion.h"

#include <QAction>
#include <QApplication>
#include <QDir>

void TForm1::EditUndo() {
    session_.Undo();
}

void TForm1::EditRedo() {
    session_.Redo();
}

void TForm1::UpdateEditActions() {
    const auto caption = [](const std::string& text) {
        // "Undo Draw all Events" becomes "&Undo Draw all Events".
        return Text("&") + Text(text).replace(QLatin1Char('&'), Text("&&"));
    };
    const bm::MeetHistory& history = session_.History();
    UndoItem->setText(caption(history.UndoText()));
    UndoItem->setEnabled(history.CanUndo());
    RedoItem->setText(caption(history.RedoText()));
    RedoItem->setEnabled(history.CanRedo());
}

void TForm1::StartUp(const QString& meetFile) {
    if (!meetFile.isEmpty()) {
        OpenFile(meetFile);
        return;
    }
    DoAbout();
    session_.OfferRecovery();
}

void TForm1::SetRecoveryFolder(const QString& folder) {
    recoveryFolder_ = folder;
    session_.SetRecoveryFolder(folder.toStdString());
}

// The copy is written on a thread of its own shortly after each change, so
// how that went is looked at a while after the change; the message waits
// while a dialog is open.
void TForm1::CheckRecoveryCopy() {
    if (recoveryWarned_ || !session_.RecoveryWriteFailed())
        return;
    if (QApplication::activeModalWidget()) {
        recoveryCheck_.start();
        return;
    }
    recoveryWarned_ = true;
    session_.Messages().Inform("Could not write the recovery copy of your changes to " +
                               QDir::toNativeSeparators(recoveryFolder_).toStdString() +
                               ". If Boatmeet ends without saving, unsaved changes are lost: "
                               "save often.");
}

#include "gui/editors/creweditorwindow.h"

#include "engine/session/history.h"
#include "engine/session/meetsession.h"
#include "gui/common/textconversion.h"
#include "gui/common/warninglabel.h"
#include "gui/editors/crewlistmodel.h"
#include "gui/editors/storededit.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

const char* const CrewChange = "Crew change";

// What a change of the crew editor touches: the crews, and with a new or
// deleted crew or a crew that changed event, the draws too.
bm::MeetChange CrewsChanged(const bm::CrewEditResult& result, const bm::MeetObserver* origin) {
    return {result.ReloadAll ? bm::aspect::All : bm::aspect::Crews, origin};
}

// The text of a drop-down's entry; empty (no such entry) outside the choices.
std::string Choice(const std::vector<std::string>& choices, int index) {
    return index >= 0 && index < static_cast<int>(choices.size())
               ? choices[static_cast<std::size_t>(index)]
               : std::string();
}

int SelectedRow(const QListWidget* list) {
    const QList<QListWidgetItem*> selected = list->selectedItems();
    return selected.isEmpty() ? -1 : list->row(selected.front());
}

bool IsKey(QEvent* event, std::initializer_list<int> keys) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    return std::find(keys.begin(), keys.end(), key) != keys.end();
}

} // namespace

// --- Opening and refreshing ----------------------------------------------------------------

void TCEdit::OpenCrewEditor() {
    bm::Boatmeet* meet = session_.Meet();
    if (!meet)
        return;
    editor_ = std::make_unique<bm::CrewEditor>(*meet);
    currentId_ = -1;
    typingIn_ = nullptr;
    ShowSameClub({});
    crewLines_->ShowLines(&editor_->Lines());
    ShowAll();
    show();
    raise();
    activateWindow();
    CrewList_LB->setFocus();
}

void TCEdit::ReloadFromMeet() {
    editor_->Reload();
    editor_->Reselect(currentId_);
    RememberCurrent();
    ShowAll();
}

void TCEdit::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    CatchUp();
}

void TCEdit::MeetReplaced() {
    const bool reopen = isVisible() && session_.HasMeet();
    crewLines_->ShowLines(nullptr);
    editor_.reset();
    currentId_ = -1;
    typingIn_ = nullptr;
    if (reopen)
        OpenCrewEditor();
    else
        hide();
}

void TCEdit::ShowAll() {
    crewLines_->LinesRefilled();
    if (editor_) {
        FillChoices(Club_CB, editor_->ClubChoices(), -1);
        FillChoices(Event_CB, editor_->EventChoices(), -1);
    }
    ShowCurrentCrew();
}

void TCEdit::FillChoices(QComboBox* box, const std::vector<std::string>& choices, int selected) {
    bool same = box->count() == static_cast<int>(choices.size());
    for (int i = 0; same && i < box->count(); ++i)
        same = box->itemText(i) == Text(choices[static_cast<std::size_t>(i)]);
    if (!same) {
        box->clear();
        for (const std::string& choice : choices)
            box->addItem(Text(choice));
    }
    if (selected >= 0 || !same)
        box->setCurrentIndex(selected);
}

void TCEdit::ShowCurrentCrew() {
    const bm::CrewFields fields = editor_ ? editor_->Fields() : bm::CrewFields{};
    for (QWidget* control : std::initializer_list<QWidget*>{
             Remove_Share_B, Remove_Double_B, Add_Double_B, Add_Share_B, Delete_B, Club_CB, Name_E,
             Event_CB, Number_E, DayLic_E, Notes_E})
        control->setEnabled(fields.Enabled);
    Club_CB->setCurrentIndex(fields.ClubIndex);
    Event_CB->setCurrentIndex(fields.EventIndex);
    for (QLineEdit* edit : {Name_E, Notes_E, Number_E, DayLic_E})
        ShowEdit(edit, StoredText(fields, edit));
    {
        const QSignalBlocker feeBlocker(EntryFee_CB);
        const QSignalBlocker earlyBlocker(EarlyReg_CB);
        EntryFee_CB->setChecked(fields.FeePaid);
        EarlyReg_CB->setChecked(fields.EarlyPay);
    }
    ShowLinks(BoatShare_LB, fields.BoatShares);
    ShowLinks(DoubleUp_LB, fields.DoubleUps);
    SelectCurrentLine();
    OverSize_L->ShowWarning(editor_ ? Text(editor_->LengthLabel()) : QString());
}

const std::string& TCEdit::StoredText(const bm::CrewFields& fields, const QLineEdit* edit) const {
    if (edit == Name_E)
        return fields.Name;
    if (edit == Notes_E)
        return fields.Notes;
    if (edit == Number_E)
        return fields.Number;
    return fields.DayLicences;
}

void TCEdit::ShowEdit(QLineEdit* edit, const std::string& stored) {
    // Someone typing keeps the text as typed ("007" stores 7) while the meet
    // holds what the typing stored.
    if (edit == typingIn_ && edit->hasFocus() && stored == typedValue_)
        return;
    ShowStoredText(edit, Text(stored));
}

void TCEdit::ShowLinks(QListWidget* list, const std::vector<bm::CrewLine>& links) {
    bool same = list->count() == static_cast<int>(links.size());
    for (int i = 0; same && i < list->count(); ++i)
        same = list->item(i)->text() == Text(links[static_cast<std::size_t>(i)].Text);
    if (same)
        return;
    list->clear();
    for (const bm::CrewLine& link : links)
        list->addItem(Text(link.Text));
}

void TCEdit::SelectCurrentLine() {
    const int line = editor_ ? editor_->CurrentLine() : -1;
    if (line < 0)
        return;
    const QModelIndex index = crewLines_->index(line);
    CrewList_LB->selectionModel()->setCurrentIndex(index, QItemSelectionModel::ClearAndSelect);
    CrewList_LB->scrollTo(index);
}

int TCEdit::SelectedCrewLine() const {
    const QModelIndexList selected = CrewList_LB->selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.front().row();
}

void TCEdit::RememberCurrent() {
    const bm::Crew* crew = editor_ ? editor_->Current() : nullptr;
    currentId_ = crew ? crew->Id : -1;
}

// --- Changes -------------------------------------------------------------------------------

void TCEdit::EditTyped(QLineEdit* edit, const char* field, const Operation& operation) {
    if (!editor_ || !editor_->Current())
        return;
    const int id = editor_->Current()->Id;
    const bm::CrewEditResult result = operation();
    typingIn_ = edit;
    typedValue_ = StoredText(editor_->Fields(), edit);
    Finish(result, CrewChange, bm::TypingGroup("crew", id, field));
}

void TCEdit::EditChosen(const Operation& operation) {
    if (editor_)
        Finish(operation(), CrewChange);
}

void TCEdit::Choose(const Operation& operation) {
    if (!editor_)
        return;
    const bm::CrewEditResult result = operation();
    ShowSameClub(result);
    Finish(result, CrewChange);
}

void TCEdit::Finish(const bm::CrewEditResult& result, std::string_view step,
                    std::string_view group) {
    if (result.ReloadAll)
        editor_->Reload();
    if (result.Refilled || result.ReloadAll) {
        ShowAll();
    } else {
        crewLines_->LineChanged(result.ChangedLine);
        ShowCurrentCrew();
    }
    RememberCurrent();
    if (!result.Stop.empty())
        session_.Messages().Inform(result.Stop);
    if (result.Changed)
        session_.Changed(step, group, CrewsChanged(result, this));
}

// The same-club check only warns: it is shown beside the fields, so that the
// typing that follows goes on into the crew's fields.
void TCEdit::ShowSameClub(const bm::CrewEditResult& result) {
    SameClub_L->ShowWarning(result.Messages.empty() ? QString() : Text(result.Messages.front()));
}

void TCEdit::EndTyping() {
    session_.EndTyping();
    if (!typingIn_)
        return;
    // The edit shows what its typing stored ("007" becomes 7).
    typingIn_ = nullptr;
    ShowCurrentCrew();
}

void TCEdit::ClubChosen(int index) {
    Choose([&] { return editor_->ChooseClub(Choice(editor_->ClubChoices(), index)); });
}

void TCEdit::EventChosen(int index) {
    Choose([&] {
        return editor_->ChooseEvent(Choice(editor_->EventChoices(), index),
                                    session_.Messages().Confirmation());
    });
}

void TCEdit::ClubDrop() {
    if (editor_)
        FillChoices(Club_CB, editor_->ClubChoices(), editor_->Fields().ClubIndex);
}

void TCEdit::EventDrop() {
    if (editor_)
        FillChoices(Event_CB, editor_->EventChoices(), editor_->Fields().EventIndex);
}

// --- Buttons and the lists -----------------------------------------------------------------

void TCEdit::SelectCrewFromList() {
    if (!editor_ || !editor_->SelectLine(SelectedCrewLine()))
        return;
    ShowSameClub({});
    RememberCurrent();
    ShowCurrentCrew();
}

void TCEdit::DoNew() {
    if (!editor_)
        return;
    ShowSameClub({});
    Finish(editor_->New(), "New crew");
    Name_E->setFocus();
    Name_E->selectAll();
}

void TCEdit::DoDelete() {
    if (!editor_)
        return;
    ShowSameClub({});
    Finish(editor_->Delete(session_.Messages().Confirmation()), "Delete crew");
}

void TCEdit::DoAddDouble() {
    if (editor_)
        Finish(editor_->AddDoubleUp(SelectedCrewLine()), "Crew link");
}

void TCEdit::DoAddShare() {
    if (editor_)
        Finish(editor_->AddBoatShare(SelectedCrewLine()), "Crew link");
}

void TCEdit::DoRemoveDoubleUp() {
    if (editor_)
        Finish(editor_->RemoveDoubleUp(SelectedRow(DoubleUp_LB)), "Crew link");
}

void TCEdit::DoRemoveBoatShare() {
    if (editor_)
        Finish(editor_->RemoveBoatShare(SelectedRow(BoatShare_LB)), "Crew link");
}

void TCEdit::ClickCurrent() {
    if (!editor_)
        return;
    const std::string hint = editor_->ClickCurrent();
    if (!hint.empty())
        session_.Messages().Inform(hint);
}

void TCEdit::DoClose() {
    hide();
}

void TCEdit::closeEvent(QCloseEvent* event) {
    DoClose();
    event->accept();
}

bool TCEdit::eventFilter(QObject* watched, QEvent* event) {
    if (watched == Details_GB && event->type() == QEvent::MouseButtonPress) {
        ClickCurrent();
    } else if (watched == CrewList_LB && IsKey(event, {Qt::Key_Return, Qt::Key_Enter})) {
        // Enter picks the selected crew, as a double click does.
        SelectCrewFromList();
        return true;
    } else if (watched == CrewList_LB && IsKey(event, {Qt::Key_Delete})) {
        // The Delete key deletes the current crew when its line is the one selected.
        if (editor_ && SelectedCrewLine() >= 0 && SelectedCrewLine() == editor_->CurrentLine())
            DoDelete();
        return true;
    } else if (event->type() == QEvent::FocusOut && (watched == Name_E || watched == Notes_E ||
                                                     watched == Number_E || watched == DayLic_E)) {
        EndTyping();
    }
    return QWidget::eventFilter(watched, event);
}

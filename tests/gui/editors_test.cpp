// The event, club and crew editors driven through their controls as a user
// would, offscreen; each scenario saves the meet and compares it with what
// the same steps give with boatmeet-cli.
#include "guitestsupport.h"

#include "cli/cli.h"
#include "engine/session/history.h"

#include <QAbstractItemView>
#include <QAccessible>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QListView>
#include <QListWidget>
#include <QTest>
#include <QToolButton>

#include <sstream>

using namespace guitest;

namespace {

// Runs boatmeet-cli in this process; stderr is kept for the test to read.
int Cli(std::vector<std::string> args, std::string* err = nullptr) {
    args.push_back("--defaults");
    std::ostringstream out;
    std::ostringstream errors;
    bm::cli::Streams io{out, errors, false};
    const int status = bm::cli::Run(args, io);
    if (err)
        *err += errors.str();
    return status;
}

template <typename T> T* Find(QWidget* window, const char* name) {
    T* control = window->findChild<T*>(QString::fromUtf8(name));
    if (!control)
        qFatal("no control %s", name);
    return control;
}

// Replaces the edit's text by typing, as a user selecting all and typing over it.
void TypeOver(QLineEdit* edit, const QString& text) {
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_A, Qt::ControlModifier);
    if (text.isEmpty())
        QTest::keyClick(edit, Qt::Key_Delete);
    else
        QTest::keyClicks(edit, text);
}

void TypeAndEnter(QLineEdit* edit, const QString& text) {
    TypeOver(edit, text);
    QTest::keyClick(edit, Qt::Key_Return);
}

int LineOf(const QAbstractItemView* view, const QString& piece) {
    const QAbstractItemModel* model = view->model();
    for (int row = 0; row < model->rowCount(); ++row)
        if (model->index(row, 0).data().toString().contains(piece))
            return row;
    qFatal("no line holds %s", qPrintable(piece));
}

void ClickLine(QAbstractItemView* view, const QString& piece, bool twice = false) {
    const QPoint line = view->visualRect(view->model()->index(LineOf(view, piece), 0)).center();
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, line);
    if (twice)
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, line);
}

// Opens the drop-down and clicks the entry.
void Choose(QComboBox* box, const QString& text) {
    box->showPopup();
    QAbstractItemView* view = box->view();
    const int row = box->findText(text);
    QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                      view->visualRect(view->model()->index(row, 0)).center());
}

} // namespace

class EditorsTest : public WindowTest {
    Q_OBJECT

private slots:
    void init() { OpenWindow(); }
    void cleanup() { CloseWindow(); }
    void eventsAndClubsEnteredFromScratchAsWithTheCli();
    void crewsEnteredAndLinkedAsWithTheCli();
    void everyControlIsNamedAndReachedByTab();
    void editorsFollowTheOpenMeet();
    void crewListTakesTheRoomTheWindowGains();
    void tenCrewsTypedAtFullSpeedAreAllKept();
    void entryChosenInAnOpenListIsTheEntryStored();

private:
    QWidget* Shown(const char* name) {
        QWidget* window = Find<QWidget>(&Form(), name);
        window->activateWindow();
        if (!QTest::qWaitForWindowActive(window))
            qWarning("%s is not the active window", name);
        return window;
    }
    // A meet with three events and three clubs, entered with the CLI.
    std::string EventsAndClubs(const std::string& name) {
        const std::string path = dir_->File(name);
        Cli({"new", path, "--title", "Spring Regatta", "--date", "12 April"});
        for (const char* event : {"MS 4-", "WS 1x", "MX 8+"})
            Cli({"events", path, "add", event});
        for (const char* club : {"Avon", "Riverside", "Harbour"})
            Cli({"clubs", path, "add", club});
        return path;
    }
};

void EditorsTest::eventsAndClubsEnteredFromScratchAsWithTheCli() {
    bm::Settings autoFee;
    autoFee.AutoFeeSTR.AutoFeeOn = true;
    autoFee.AutoFeeSTR.FeePerSeat = 1000;
    store_->Write(autoFee);
    messages_->SetNextText("Spring Regatta");
    messages_->SetNextText("12 April");
    Action(Form(), "OpsCreateNew")->trigger();
    Form().show();

    Find<QToolButton>(&Form(), "EventEdit_SB")->click();
    QWidget* events = Shown("ListEdit_F");
    QCOMPARE(events->windowTitle(), QStringLiteral("Events"));
    QCOMPARE(Find<QLabel>(events, "Set1_L")->text(), QStringLiteral("Sponsors"));
    QCOMPARE(Find<QLabel>(events, "Set2_L")->text(), QStringLiteral("EntryFees"));
    auto* list = Find<QListWidget>(events, "Data_LB");
    auto* newData = Find<QLineEdit>(events, "LEdit_E");
    auto* modify = Find<QLineEdit>(events, "Modify_E");
    auto* sponsor = Find<QLineEdit>(events, "Set1_E");
    auto* fee = Find<QLineEdit>(events, "Set2_E");
    for (const char* event : {"WS 1x", "  MS 4-  ", "ms 4-", "Mixed 8+", "MJ16 2x"})
        TypeAndEnter(newData, QString::fromUtf8(event));
    QCOMPARE(list->count(), 4);
    QCOMPARE(newData->text(), QString());

    // The automatic fee shows until a fee of the event's own is confirmed.
    ClickLine(list, QStringLiteral("MS 4-"));
    QCOMPARE(modify->text(), QStringLiteral("MS 4-"));
    QCOMPARE(fee->text(), QStringLiteral("40.00"));
    TypeOver(sponsor, QStringLiteral("Harbour \"Marine\""));
    Find<QPushButton>(events, "Set1_b")->click();
    messages_->SetNextAnswer(true);
    Find<QPushButton>(events, "Set2_B")->click();
    ClickLine(list, QStringLiteral("WS 1x"));
    messages_->SetNextAnswer(false);
    TypeAndEnter(fee, QStringLiteral("12.50"));
    QCOMPARE(fee->text(), QStringLiteral("10.00"));
    messages_->SetNextAnswer(true);
    TypeAndEnter(fee, QStringLiteral("12.50"));
    // A fee that is no money value is refused before the question; the stored fee stays.
    TypeOver(fee, QStringLiteral("£30"));
    Find<QPushButton>(events, "Set2_B")->click();
    QCOMPARE(fee->text(), QStringLiteral("12.50"));
    // Renaming to another event's text is refused before the question.
    ClickLine(list, QStringLiteral("Mixed 8+"));
    TypeAndEnter(modify, QStringLiteral("ws 1X"));
    messages_->SetNextAnswer(true);
    TypeAndEnter(modify, QStringLiteral("MX 8+"));
    ClickLine(list, QStringLiteral("MJ16 2x"));
    Find<QPushButton>(events, "Up_B")->click();
    QCOMPARE(list->currentItem()->text(), QStringLiteral("MJ16 2x"));
    Find<QPushButton>(events, "Button1")->click();
    ClickLine(list, QStringLiteral("MJ16 2x"));
    messages_->SetNextAnswer(true);
    QTest::keyClick(list, Qt::Key_Delete);
    Find<QPushButton>(events, "LE_Close_B")->click();
    QVERIFY(!events->isVisible());

    Action(Form(), "EditClub")->trigger();
    QWidget* clubs = Shown("ListEdit_F");
    QCOMPARE(clubs->windowTitle(), QStringLiteral("Clubs"));
    QCOMPARE(Find<QLabel>(clubs, "Set2_L")->text(), QStringLiteral("Club Contacts"));
    for (const char* club : {"Riverside", "Avon"})
        TypeAndEnter(newData, QString::fromUtf8(club));
    ClickLine(list, QStringLiteral("Avon"));
    TypeAndEnter(sponsor, QStringLiteral("Blue and white"));
    TypeAndEnter(fee, QStringLiteral("  J. Smith 021 555 123  "));
    Find<QPushButton>(clubs, "Sort_B")->click();
    // The selected position stays: Avon, trimmed contact and all, moved to the top.
    QCOMPARE(list->item(0)->text(), QStringLiteral("Avon"));
    QCOMPARE(modify->text(), QStringLiteral("Winner Prev"));
    ClickLine(list, QStringLiteral("Avon"));
    QCOMPARE(fee->text(), QStringLiteral("J. Smith 021 555 123"));

    QCOMPARE(messages_->asked,
             (std::vector<std::string>{"Override Auto Fee Value?", "Override Auto Fee Value?",
                                       "Override Auto Fee Value?", "OK to change the value?",
                                       "Any existing references to the data will be undefined "
                                       "if you deleted. Continue?"}));
    const std::string taken = "The new text is empty or already in the list!";
    QCOMPARE(messages_->informed,
             (std::vector<std::string>{
                 taken, "Money values are written like 12 or 12.50, at most 21474836.47", taken}));
    QCOMPARE(Q(Form().Session().History().UndoText()), QStringLiteral("Undo Club change"));
    const std::string window = dir_->File("window.bmf");
    dialogs_->saveNames = {Q(window)};
    Action(Form(), "FileSaveAs")->trigger();

    const std::string script = dir_->File("script.bmf");
    const std::vector<std::string> fees = {"--set", "AutoFeeOn=1", "--set", "FeePerSeat=10.00"};
    const auto events_ = [&](std::vector<std::string> words) {
        words.insert(words.begin(), {"events", script});
        words.insert(words.end(), fees.begin(), fees.end());
        return Cli(words);
    };
    QCOMPARE(Cli({"new", script, "--title", "Spring Regatta", "--date", "12 April"}), 0);
    for (const char* event : {"WS 1x", "  MS 4-  ", "ms 4-", "Mixed 8+", "MJ16 2x"})
        events_({"add", event});
    events_({"sponsor", "MS 4-", "Harbour \"Marine\""});
    events_({"fee", "MS 4-", "40.00", "--yes"});
    QCOMPARE(events_({"fee", "WS 1x", "12.50"}), 1);
    events_({"fee", "WS 1x", "12.50", "--yes"});
    QCOMPARE(events_({"fee", "WS 1x", "£30", "--yes"}), 2);
    QCOMPARE(events_({"rename", "Mixed 8+", "ws 1X", "--yes"}), 1);
    events_({"rename", "Mixed 8+", "MX 8+", "--yes"});
    events_({"up", "MJ16 2x"});
    events_({"sort", "events"});
    events_({"delete", "MJ16 2x", "--yes"});
    for (const char* club : {"Riverside", "Avon"})
        Cli({"clubs", script, "add", club});
    Cli({"clubs", script, "colours", "avon", "Blue and white"});
    Cli({"clubs", script, "contact", "Avon", "  J. Smith 021 555 123  "});
    QCOMPARE(Cli({"clubs", script, "sort", "az"}), 0);
    QCOMPARE(Q(bm::test::ReadFile(window)), Q(bm::test::ReadFile(script)));
}

void EditorsTest::crewsEnteredAndLinkedAsWithTheCli() {
    const std::string start = EventsAndClubs("start.bmf");
    std::filesystem::copy_file(start, dir_->File("script.bmf"));
    Form().OpenFile(Q(start));
    Form().show();
    Find<QToolButton>(&Form(), "CrewEdit_SB")->click();
    QWidget* editor = Shown("CEdit");
    QCOMPARE(editor->windowTitle(), QStringLiteral("Crew Editor"));
    auto* crews = Find<QListView>(editor, "CrewList_LB");
    auto* name = Find<QLineEdit>(editor, "Name_E");
    auto* number = Find<QLineEdit>(editor, "Number_E");
    auto* notes = Find<QLineEdit>(editor, "Notes_E");
    auto* licences = Find<QLineEdit>(editor, "DayLic_E");
    auto* club = Find<QComboBox>(editor, "Club_CB");
    auto* event = Find<QComboBox>(editor, "Event_CB");
    auto* newCrew = Find<QPushButton>(editor, "New_B");
    QVERIFY(!name->isEnabled() && !club->isEnabled());
    QTest::mouseClick(Find<QWidget>(editor, "Details_GB"), Qt::LeftButton);

    newCrew->click();
    QCOMPARE(name->text(), QStringLiteral("<new crew>"));
    const std::size_t steps = Form().Session().History().UndoCount();
    TypeOver(name, QStringLiteral("Alpha"));
    // Typing the name is one step to undo.
    QCOMPARE(Form().Session().History().UndoCount(), steps + 1);
    Choose(club, QStringLiteral("Avon"));
    Choose(event, QStringLiteral("MS 4-"));
    TypeOver(number, QStringLiteral("12a"));
    TypeOver(notes, QStringLiteral("Early entry"));
    TypeOver(licences, QStringLiteral("-3"));
    QCOMPARE(licences->text(), QStringLiteral("-3"));
    Find<QCheckBox>(editor, "EntryFee_CB")->click();
    newCrew->click();
    TypeOver(name, QStringLiteral("Bravo"));
    Choose(club, QStringLiteral("Riverside"));
    Choose(event, QStringLiteral("WS 1x"));
    TypeOver(number, QStringLiteral("007"));
    QCOMPARE(number->text(), QStringLiteral("007"));
    newCrew->click();
    TypeOver(name, QStringLiteral("Charlie with a name longer than forty characters"));
    QCOMPARE(name->text(), QStringLiteral("Charlie with a name longer than forty ch"));
    Choose(club, QStringLiteral("Avon"));
    QCOMPARE(Find<QLabel>(editor, "SameClub_L")->text(), QString());
    Choose(event, QStringLiteral("MS 4-"));
    // The same-club check warns beside the fields, so typing goes on into the crew.
    QCOMPARE(Find<QLabel>(editor, "SameClub_L")->text(),
             QStringLiteral("There is already another crew from this club in this event!"));
    messages_->SetNextAnswer(true);
    Choose(event, QStringLiteral("MX 8+"));
    QCOMPARE(Find<QLabel>(editor, "SameClub_L")->text(), QString());
    QCOMPARE(notes->text(), QStringLiteral(" Moved from MS 4- to MX 8+"));

    ClickLine(crews, QStringLiteral("Alpha"));
    Find<QPushButton>(editor, "Add_Double_B")->click();
    ClickLine(crews, QStringLiteral("Bravo"));
    Find<QPushButton>(editor, "Add_Share_B")->click();
    QCOMPARE(Find<QListWidget>(editor, "DoubleUp_LB")->count(), 1);
    Find<QPushButton>(editor, "Delete_B")->click();
    ClickLine(Find<QListWidget>(editor, "BoatShare_LB"), QStringLiteral("Bravo"));
    Find<QPushButton>(editor, "Remove_Share_B")->click();
    ClickLine(crews, QStringLiteral("Bravo"), true);
    QCOMPARE(name->text(), QStringLiteral("Bravo"));
    QCOMPARE(number->text(), QStringLiteral("7"));
    messages_->SetNextAnswer(true);
    QTest::keyClick(crews, Qt::Key_Delete);
    QVERIFY(!name->isEnabled());

    QCOMPARE(messages_->informed,
             (std::vector<std::string>{
                 "You must select a crew from the list OR create a New crew",
                 "You must clear all Boat Share/Double Up associations before deleting"}));
    QCOMPARE(messages_->asked, (std::vector<std::string>{"Record Event change in Crew Notes?",
                                                         "OK to Delete crew?"}));
    const std::string window = dir_->File("window.bmf");
    dialogs_->saveNames = {Q(window)};
    Action(Form(), "FileSaveAs")->trigger();

    const std::string script = dir_->File("script.bmf");
    std::string err;
    const auto crew = [&](std::vector<std::string> words) {
        words.insert(words.begin(), {"crew", script});
        return Cli(words, &err);
    };
    crew({"new", "--name", "Alpha", "--club", "Avon", "--event", "MS 4-", "--number", "12a",
          "--notes", "Early entry", "--day-licences", "-3", "--fee-paid", "1"});
    crew({"new", "--name", "Bravo", "--club", "Riverside", "--event", "WS 1x", "--number", "007"});
    crew({"new", "--name", "Charlie with a name longer than forty characters", "--club", "Avon",
          "--event", "MS 4-"});
    crew({"edit", "3", "--event", "MX 8+", "--record-move", "yes"});
    crew({"link", "3", "1", "--double-up"});
    crew({"link", "3", "2", "--boat-share"});
    QCOMPARE(crew({"delete", "3"}), 1);
    crew({"unlink", "3", "2", "--boat-share"});
    QCOMPARE(crew({"delete", "2", "--yes"}), 0);
    QCOMPARE(err, std::string("There is already another crew from this club in this event!\n"
                              "You must clear all Boat Share/Double Up associations before "
                              "deleting\n"));
    QCOMPARE(Q(bm::test::ReadFile(window)), Q(bm::test::ReadFile(script)));
}

void EditorsTest::everyControlIsNamedAndReachedByTab() {
    Form().OpenFile(Q(EventsAndClubs("meet.bmf")));
    Form().show();
    Form().EditCrew();
    Form().EditEvent();
    for (const char* name : {"CEdit", "ListEdit_F"}) {
        QWidget* window = Shown(name);
        QList<QWidget*> reached;
        QWidget* first = window->nextInFocusChain();
        for (QWidget* widget = first; !reached.contains(widget);
             widget = widget->nextInFocusChain())
            reached << widget;
        for (QWidget* control : window->findChildren<QWidget*>()) {
            const QString id = control->objectName();
            if (id.startsWith(QLatin1String("qt_")) ||
                (!id.contains(QLatin1Char('_')) && id != QLatin1String("Button1") &&
                 id != QLatin1String("DoOk")))
                continue;
            if (qobject_cast<QLabel*>(control) || id.endsWith(QLatin1String("_GB")))
                continue;
            QVERIFY2(!control->accessibleName().isEmpty(), qPrintable(id));
            QVERIFY2(reached.contains(control) && control->focusPolicy() & Qt::TabFocus,
                     qPrintable(id));
        }
    }
}

void EditorsTest::editorsFollowTheOpenMeet() {
    // Without a meet neither editor opens.
    Form().EditCrew();
    Form().EditEvent();
    QVERIFY(!Find<QWidget>(&Form(), "CEdit")->isVisible());
    QVERIFY(!Find<QWidget>(&Form(), "ListEdit_F")->isVisible());
    QVERIFY(messages_->informed.empty());

    const std::string path = EventsAndClubs("meet.bmf");
    Cli({"crew", path, "new", "--name", "Alpha", "--event", "WS 1x", "--club", "Avon"});
    // A name from an older file, longer than the name edit types, shows whole.
    const std::string longName = "Alpha" + std::string(55, 'a');
    {
        const auto meet = bm::Boatmeet::LoadFromFile(path);
        meet->Crews.front()->Name = longName;
        meet->SaveToFile(path, true);
    }
    Form().OpenFile(Q(path));
    Form().show();
    Form().EditCrew();
    QWidget* editor = Shown("CEdit");
    auto* crews = Find<QListView>(editor, "CrewList_LB");
    ClickLine(crews, QStringLiteral("Alpha"), true);
    auto* name = Find<QLineEdit>(editor, "Name_E");
    QCOMPARE(name->text(), Q(longName));
    TypeOver(name, QStringLiteral("Ace"));
    Find<QCheckBox>(editor, "EntryFee_CB")->click();
    // Undo makes every crew anew: the editor keeps the crew by its id.
    QVERIFY(Form().Session().Undo());
    Form().RefreshAll();
    QCOMPARE(name->text(), QStringLiteral("Ace"));
    QVERIFY(!Find<QCheckBox>(editor, "EntryFee_CB")->isChecked());
    Find<QCheckBox>(editor, "EntryFee_CB")->click();
    QVERIFY(Form().Session().Meet()->Crews.front()->FeePaid);

    // Another meet: the event editor closes, a visible crew editor stays open, empty.
    Form().EditEvent();
    Form().OpenFile(Q(EventsAndClubs("other.bmf")));
    QVERIFY(!Find<QWidget>(&Form(), "ListEdit_F")->isVisible());
    QVERIFY(editor->isVisible());
    QVERIFY(!name->isEnabled());
    QCOMPARE(crews->model()->rowCount(), 0);
    QCOMPARE(Find<QComboBox>(editor, "Event_CB")->count(), 3);
}

void EditorsTest::crewListTakesTheRoomTheWindowGains() {
    Form().OpenFile(Q(EventsAndClubs("meet.bmf")));
    Form().EditCrew();
    QWidget* editor = Shown("CEdit");
    // At least the size the window needs, which grows with the machine's font.
    const QSize start = editor->minimumSize().expandedTo(QSize(900, 640));
    editor->resize(start);
    QTest::qWait(10);
    QCOMPARE(editor->size(), start);
    QWidget* crews = Find<QWidget>(editor, "CrewList_LB");
    QWidget* details = Find<QWidget>(editor, "Details_GB");
    QWidget* links = Find<QWidget>(editor, "Associations_GB");
    const QSize list = crews->size();
    const QSize fixed = details->size();
    const int linksHeight = links->height();
    editor->resize(start + QSize(200, 140));
    QTest::qWait(10);
    QCOMPARE(crews->size(), list + QSize(200, 140));
    QCOMPARE(details->size(), fixed);
    QCOMPARE(links->height(), linksHeight + 140);
}

// An organiser entering crews from a paper list, with the keyboard alone and
// as fast as keys go: New, the name, back to the club, on to the event. A
// crew of a club already in the event warns beside the fields and keeps the
// typing going; every crew ends up whole in the saved meet.
void EditorsTest::tenCrewsTypedAtFullSpeedAreAllKept() {
    Form().OpenFile(Q(EventsAndClubs("typed.bmf")));
    Form().show();
    Find<QToolButton>(&Form(), "CrewEdit_SB")->click();
    QWidget* editor = Shown("CEdit");
    const auto type = [](const QString& keys) {
        QTest::keyClicks(QApplication::focusWidget(), keys);
    };
    const auto press = [](Qt::Key key, Qt::KeyboardModifiers modifiers = {}) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    };
    const char* clubs[] = {"Avon", "Riverside", "Harbour"};
    const char* events[] = {"MS 4-", "WS 1x", "MX 8+"};
    for (int i = 0; i < 10; ++i) {
        press(Qt::Key_N, Qt::AltModifier);
        type(QStringLiteral("Crew %1").arg(i));
        press(Qt::Key_Backtab);
        type(QString::fromUtf8(clubs[i % 3]));
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        press(Qt::Key_Tab);
        type(QString::fromUtf8(events[i % 2]));
    }
    QCOMPARE(Find<QLabel>(editor, "SameClub_L")->text(),
             QStringLiteral("There is already another crew from this club in this event!"));
    QVERIFY(messages_->informed.empty());
    dialogs_->saveNames = {Q(dir_->File("typed-saved.bmf"))};
    Action(Form(), "FileSaveAs")->trigger();
    const auto saved = bm::Boatmeet::LoadFromFile(dir_->File("typed-saved.bmf"));
    QCOMPARE(saved->Crews.size(), std::size_t{10});
    for (int i = 0; i < 10; ++i) {
        const std::string name = "Crew " + std::to_string(i);
        const auto crew = std::find_if(saved->Crews.begin(), saved->Crews.end(),
                                       [&](const auto& c) { return c->Name == name; });
        QVERIFY2(crew != saved->Crews.end(), name.c_str());
        QCOMPARE(saved->Clubs.TextOf((*crew)->ClubKey), std::string(clubs[i % 3]));
        QCOMPARE(saved->Events.TextOf((*crew)->EventKey), std::string(events[i % 2]));
    }
}

// Every way of choosing in an open list stores exactly the entry chosen, and
// a screen reader reads each drop-down by its label and its entry.
void EditorsTest::entryChosenInAnOpenListIsTheEntryStored() {
    const std::string path = dir_->File("lists.bmf");
    Cli({"new", path});
    for (const char* event : {"MS 4-", "MS 8+", "WJ 1x", "MS 1x"})
        Cli({"events", path, "add", event});
    for (const char* club : {"Riverside", "Lakeside", "Avon"})
        Cli({"clubs", path, "add", club});
    Form().OpenFile(Q(path));
    Form().show();
    Find<QToolButton>(&Form(), "CrewEdit_SB")->click();
    QWidget* editor = Shown("CEdit");
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_N, Qt::AltModifier);
    QVERIFY(Find<QLabel>(editor, "SameClub_L")->isHidden());
    QVERIFY(Find<QLabel>(editor, "OverSize_L")->isHidden());
    auto* events = Find<QComboBox>(editor, "Event_CB");
    auto* clubs = Find<QComboBox>(editor, "Club_CB");
    const auto stored = [this](QComboBox* box) {
        const bm::Boatmeet& meet = *Form().Session().Meet();
        const bm::Crew& crew = *meet.Crews.front();
        return Q(box->objectName() == QStringLiteral("Event_CB") ? meet.Events.TextOf(crew.EventKey)
                                                                 : meet.Clubs.TextOf(crew.ClubKey));
    };

    ChooseInOpenList(events, events->findText(QStringLiteral("WJ 1x")), InList::Click);
    QCOMPARE(stored(events), QStringLiteral("WJ 1x"));
    ChooseInOpenList(events, 0, InList::Keys);
    QCOMPARE(stored(events), QStringLiteral("MS 4-"));
    ChooseInOpenList(clubs, 1, InList::Keys);
    QCOMPARE(stored(clubs), clubs->itemText(1));
    ChooseInOpenList(clubs, clubs->count() - 1, InList::Keys);
    QCOMPARE(stored(clubs), clubs->itemText(clubs->count() - 1));
    // Opened by its accessible action, the list takes the keys.
    QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(events);
    reader->actionInterface()->doAction(QAccessibleActionInterface::showMenuAction());
    QVERIFY(events->view()->isVisible());
    QTest::keyClick(events->view(), Qt::Key_End);
    QTest::keyClick(events->view(), Qt::Key_Return);
    Settle();
    QCOMPARE(stored(events), events->itemText(events->count() - 1));

    QCOMPARE(reader->text(QAccessible::Name), QStringLiteral("Event"));
    QCOMPARE(reader->text(QAccessible::Value), stored(events));
    QAccessibleTextInterface* shown = reader->textInterface();
    QVERIFY(shown);
    QCOMPARE(shown->text(0, shown->characterCount()), stored(events));
    int start = 0;
    int end = 0;
    QCOMPARE(shown->textAtOffset(0, QAccessible::WordBoundary, &start, &end), QStringLiteral("MS"));

    // The main window's report selector alike.
    Form().activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&Form()));
    auto* display = Find<QComboBox>(&Form(), "DSelect_CB");
    ChooseInOpenList(display, 2, InList::Click);
    QCOMPARE(display->currentIndex(), 2);
    QAccessibleInterface* selector = QAccessible::queryAccessibleInterface(display);
    QCOMPARE(selector->text(QAccessible::Name), QStringLiteral("Display"));
    QCOMPARE(selector->text(QAccessible::Value), QStringLiteral("Race Schedule"));
    QCOMPARE(selector->textInterface()->text(0, 13), QStringLiteral("Race Schedule"));
}

QTEST_MAIN(EditorsTest)
#include "editors_test.moc"

// Renders the main window with a drawn regatta into PNG files for the README
// and the manual:
//   bm_screenshot OUTPUT_FOLDER
// Runs offscreen; the settings live in a temporary file.
#include "engine/draw/randomdraw.h"
#include "engine/schedule/numbering.h"
#include "engine/session/messages.h"
#include "gui/common/dialogprovider.h"
#include "gui/mainwindow/mainwindow.h"
#include "store/settingsstore.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QListWidget>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

namespace {

// A club regatta: six events, eight clubs, forty crews, drawn and numbered.
void WriteRegatta(const std::string& path) {
    bm::Boatmeet meet;
    meet.Title = "Riverside Spring Regatta";
    meet.Date = "Saturday 12 April";
    const char* events[] = {"MS 8+", "MS 4-", "WS 4x-", "MS 1x", "WS 1x", "MJ16 2x"};
    const char* clubs[] = {"Riverside", "Lakeview", "Harbour",   "St Peters",
                           "Kingsford", "Old Mill", "Wharfside", "Northbank"};
    const char* names[] = {"Heron", "Kestrel", "Osprey", "Swift", "Tern", "Wren", "Plover"};
    for (const char* event : events)
        meet.Events.Add(event);
    for (const char* club : clubs)
        meet.Clubs.Add(club);
    const int perEvent[] = {5, 7, 6, 8, 9, 5};
    int made = 0;
    for (int e = 0; e < 6; ++e) {
        for (int i = 0; i < perEvent[e]; ++i, ++made) {
            auto crew = std::make_unique<bm::Crew>();
            crew->EventKey = meet.Events.KeyOf(events[e]);
            crew->ClubKey = meet.Clubs.KeyOf(clubs[(made * 3 + e) % 8]);
            crew->Name = names[(made + i) % 7];
            meet.AddCrew(std::move(crew));
        }
    }
    meet.Sponsors.AddWithKey(meet.Events.KeyOf("MS 4-"), "Harbour Marine");
    meet.EntryFees.AddWithKey(meet.Events.KeyOf("MS 4-"), "48.00");
    meet.LinkDoubleUp(9, 2);
    meet.LinkBoatShare(9, 20);
    meet.RaceTimes.SetPeriods({{900, 1030, 5, 0}});
    DrawAllEvents(meet);
    NumberRaces(meet);
    meet.NumberCrewsByEvent();
    meet.SaveToFile(path, true);
}

bool Save(QWidget& widget, const QString& file) {
    const bool saved = widget.grab().save(file, "PNG");
    std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(file));
    return saved;
}

// The crew editor with a crew chosen, and the event editor with an event selected.
bool SaveEditors(TForm1& window, const QDir& out) {
    window.EditCrew();
    auto* crewEditor = window.findChild<QWidget*>(QStringLiteral("CEdit"));
    auto* crews = crewEditor->findChild<QAbstractItemView*>(QStringLiteral("CrewList_LB"));
    const bm::Boatmeet& meet = *window.Session().Meet();
    crews->setCurrentIndex(crews->model()->index(meet.CrewPosition(meet.FindCrew(9)), 0));
    emit crews->doubleClicked(crews->currentIndex());
    bool ok = Save(*crewEditor, out.filePath(QStringLiteral("screenshot-crew-editor.png")));
    crewEditor->close();
    window.EditEvent();
    auto* listEditor = window.findChild<QWidget*>(QStringLiteral("ListEdit_F"));
    listEditor->findChild<QListWidget*>(QStringLiteral("Data_LB"))->setCurrentRow(1);
    ok = Save(*listEditor, out.filePath(QStringLiteral("screenshot-event-editor.png"))) && ok;
    listEditor->close();
    return ok;
}

// The plan of the day with its first proposal chosen.
bool SavePlan(TForm1& window, const QDir& out) {
    window.OpnsPlanDay();
    auto* plan = window.findChild<QWidget*>(QStringLiteral("Plan_F"));
    plan->resize(1280, 760);
    plan->findChild<QListWidget*>(QStringLiteral("Proposals_LB"))->setCurrentRow(0);
    const bool ok = Save(*plan, out.filePath(QStringLiteral("screenshot-plan.png")));
    plan->close();
    return ok;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: bm_screenshot OUTPUT_FOLDER\n");
        return 2;
    }
    QTemporaryDir work;
    bm::SettingsStore store(
        QDir(work.path()).filePath(QStringLiteral("settings.ini")).toStdString());
    StandardDialogs dialogs;
    const std::string meetFile =
        QDir(work.path()).filePath(QStringLiteral("spring.bmf")).toStdString();
    WriteRegatta(meetFile);
    bm::SilentMessages messages;
    TForm1 window(store, dialogs, messages);
    window.resize(1000, 720);
    window.show();
    window.OpenFile(QString::fromStdString(meetFile));
    // The views are told of the meet once the current event is handled.
    QCoreApplication::sendPostedEvents();
    const QDir out(QString::fromLocal8Bit(argv[1]));
    auto* selector = window.findChild<QComboBox*>(QStringLiteral("DSelect_CB"));
    bool ok = Save(window, out.filePath(QStringLiteral("screenshot-draw-tree.png")));
    selector->setCurrentIndex(1);
    ok = Save(window, out.filePath(QStringLiteral("screenshot-draw-list.png"))) && ok;
    ok = SaveEditors(window, out) && ok;
    ok = SavePlan(window, out) && ok;
    return ok ? 0 : 1;
}

// The crew and event editors over the championship of the report view
// benchmark (3,000 crews, 150 events, 200 clubs, drawn and scheduled),
// offscreen, with the draw tree shown in the main window. Each case runs from
// the user's action to the painted editor: opening the crew editor, choosing a
// crew in its list, changing the crew's event (an undoable step and refresh
// all, the report included), typing one character of a crew's name (the same),
// and opening the event editor. RefreshAll alone tells what the refresh adds.
#include "benchwindow.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QToolButton>

#include <benchmark/benchmark.h>

namespace {

using benchwindow::Window;

Window& Championship() {
    static Window window({"", 3000, 150, 200, 600, 300});
    return window;
}

QWidget& Editor(Window& window, const char* name) {
    return *window.Form().findChild<QWidget*>(QString::fromUtf8(name));
}

template <typename T> T& Control(QWidget& editor, const char* name) {
    return *editor.findChild<T*>(QString::fromUtf8(name));
}

void Press(QWidget& widget, int key, const QString& text = {}) {
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, text);
    QApplication::sendEvent(&widget, &press);
}

// The crew editor open with the crew of a line in the middle of the list current.
QWidget& CrewEditorOn(Window& window, int line) {
    window.Form().EditCrew();
    QWidget& editor = Editor(window, "CEdit");
    auto& crews = Control<QAbstractItemView>(editor, "CrewList_LB");
    crews.setCurrentIndex(crews.model()->index(line, 0));
    Press(crews, Qt::Key_Return);
    return editor;
}

// The size of the meet, and the undoable steps recorded, to show that the
// changes reached the meet.
void Report(benchmark::State& state, Window& window) {
    bm::MeetSession& session = window.Form().Session();
    state.counters["crews"] = static_cast<double>(session.Meet()->Crews.size());
    state.counters["steps"] = static_cast<double>(session.History().UndoCount());
}

void OpenCrewEditor(benchmark::State& state) {
    Window& window = Championship();
    QWidget& editor = Editor(window, "CEdit");
    auto& button = *window.Form().findChild<QToolButton*>(QStringLiteral("CrewEdit_SB"));
    for (auto _ : state) {
        state.PauseTiming();
        editor.hide();
        state.ResumeTiming();
        button.click();
        editor.repaint();
    }
    Report(state, window);
}
BENCHMARK(OpenCrewEditor)->Unit(benchmark::kMillisecond);

// Enter on a selected line, as a double click, between two crews.
void SelectCrew(benchmark::State& state) {
    Window& window = Championship();
    QWidget& editor = CrewEditorOn(window, 1500);
    auto& crews = Control<QAbstractItemView>(editor, "CrewList_LB");
    int line = 1500;
    for (auto _ : state) {
        state.PauseTiming();
        line = line == 1500 ? 2400 : 1500;
        crews.setCurrentIndex(crews.model()->index(line, 0));
        state.ResumeTiming();
        Press(crews, Qt::Key_Return);
        editor.repaint();
    }
    Report(state, window);
}
BENCHMARK(SelectCrew)->Unit(benchmark::kMillisecond);

// The crew goes back and forth between two events; the move is not recorded
// (the question gets No).
void ChangeEvent(benchmark::State& state) {
    Window& window = Championship();
    QWidget& editor = CrewEditorOn(window, 1500);
    auto& events = Control<QComboBox>(editor, "Event_CB");
    int event = 3;
    for (auto _ : state) {
        event = event == 3 ? 100 : 3;
        events.setCurrentIndex(event);
        emit events.activated(event);
        editor.repaint();
        window.Paint();
    }
    Report(state, window);
}
BENCHMARK(ChangeEvent)->Unit(benchmark::kMillisecond);

// One character typed into the current crew's name, then taken back.
void TypeInName(benchmark::State& state) {
    Window& window = Championship();
    QWidget& editor = CrewEditorOn(window, 1500);
    auto& name = Control<QLineEdit>(editor, "Name_E");
    name.setFocus();
    bool grow = true;
    for (auto _ : state) {
        if (grow)
            Press(name, Qt::Key_X, QStringLiteral("x"));
        else
            Press(name, Qt::Key_Backspace);
        grow = !grow;
        editor.repaint();
        window.Paint();
    }
    Report(state, window);
}
BENCHMARK(TypeInName)->Unit(benchmark::kMillisecond);

// One character typed into a crew's name, then taken back, on a drawn meet of
// 20,000 crews (400 events, 300 clubs) and of 100,000 crews (2,000 events,
// 1,500 clubs) with "Draws for each Club" on screen: from the key to the
// character painted in its field, the views told of the change.
void TypeInNameLarge(benchmark::State& state) {
    static Window large({"", 20000, 400, 300, 0, 0}, false);
    static Window huge({"", 100000, 2000, 1500, 0, 0}, false);
    Window& window = state.range(0) == 20000 ? large : huge;
    window.Selector().setCurrentIndex(15);
    window.WaitForReport();
    QWidget& editor = CrewEditorOn(window, static_cast<int>(state.range(0) / 2));
    auto& name = Control<QLineEdit>(editor, "Name_E");
    name.setFocus();
    bool grow = true;
    for (auto _ : state) {
        if (grow)
            Press(name, Qt::Key_X, QStringLiteral("x"));
        else
            Press(name, Qt::Key_Backspace);
        grow = !grow;
        QCoreApplication::sendPostedEvents();
        name.repaint();
    }
    Report(state, window);
    window.WaitForReport();
}
BENCHMARK(TypeInNameLarge)->Arg(20000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(6);

// Refresh all with the crew editor open, as each change above ends.
void RefreshAll(benchmark::State& state) {
    Window& window = Championship();
    QWidget& editor = CrewEditorOn(window, 1500);
    for (auto _ : state) {
        window.Form().RefreshAll();
        editor.repaint();
        window.Paint();
    }
    Report(state, window);
}
BENCHMARK(RefreshAll)->Unit(benchmark::kMillisecond);

void OpenEventEditor(benchmark::State& state) {
    Window& window = Championship();
    QWidget& editor = Editor(window, "ListEdit_F");
    for (auto _ : state) {
        window.Form().EditEvent();
        editor.repaint();
        state.PauseTiming();
        editor.hide();
        state.ResumeTiming();
    }
    Report(state, window);
}
BENCHMARK(OpenEventEditor)->Unit(benchmark::kMillisecond);

} // namespace

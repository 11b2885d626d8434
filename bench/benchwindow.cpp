#include "benchwindow.h"

#include "engine/draw/randomdraw.h"
#include "engine/model/random.h"
#include "engine/schedule/scheduler.h"

#include <benchmark/benchmark.h>

namespace benchwindow {

std::string WriteMeet(const QTemporaryDir& dir, const char* name,
                      const bm::GenerateParams& params) {
    bm::ResetRandom();
    std::string error;
    auto meet = bm::GenerateMeet(params, error);
    DrawAllEvents(*meet);
    meet->RaceTimes.SetPeriods({{800, 1800, 2, 0}});
    meet->CollectRaces();
    ScheduleRaces(*meet, bm::ScheduleMode::Moderate, bm::FinalsPlacement::AtEnd, nullptr, nullptr);
    const std::string path = QDir(dir.path()).filePath(QString::fromUtf8(name)).toStdString();
    meet->SaveToFile(path, true);
    return path;
}

} // namespace benchwindow

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv))
        return 1;
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}

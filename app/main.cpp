// Velmora: starts the main window in the current folder, where the options file
// "VLM.PRM" lives. "--bench-analysis SECONDS" instead runs the Betting and Rules
// Analysis inside the window for that long and prints its speed; "--bench-table
// [ROUNDS]" measures the table's motions and repaints (3 rounds of computer play at
// each speed setting unless told otherwise).

#include "app/analysis_benchmark.h"
#include "app/main_form.h"
#include "app/table_benchmark.h"
#include "ui/application_title.h"
#include "ui/dialog_service.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

// The seconds of "--bench-analysis SECONDS", or 0 when the option is absent.
double BenchSeconds(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i)
        if (std::strcmp(argv[i], "--bench-analysis") == 0) return std::atof(argv[i + 1]);
    return 0;
}

// The rounds of "--bench-table [ROUNDS]"; 0 when the option is absent.
int TableBenchRounds(int argc, char** argv) {
    constexpr int kDefaultRounds = 3;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--bench-table") != 0) continue;
        const int rounds = i + 1 < argc ? std::atoi(argv[i + 1]) : 0;
        return rounds > 0 ? rounds : kDefaultRounds;
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    const double benchSeconds = BenchSeconds(argc, argv);
    const int tableRounds = TableBenchRounds(argc, argv);
    // The benchmarks need no screen.
    if ((benchSeconds > 0 || tableRounds > 0) && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");

    QApplication app(argc, argv);
    QApplication::setApplicationName(velmora::kApplicationTitle);
    velmora::DialogService dialogs;
    velmora::TMainForm form(dialogs);

    if (benchSeconds > 0) {
        form.resize(1024, 768);
        form.show();
        const velmora::BenchmarkResult result = velmora::RunAnalysisBenchmark(form, benchSeconds);
        std::printf("%s\n", result.Report().c_str());
        std::printf("%s", velmora::CompareWithTool(result, form, benchSeconds).c_str());
        return result.Rounds > 0 ? EXIT_SUCCESS : EXIT_FAILURE;
    }

    if (tableRounds > 0) {
        form.show();
        const velmora::TableBenchmarkResult result = velmora::RunTableBenchmark(form, tableRounds);
        std::printf("%s", result.Report().c_str());
        return EXIT_SUCCESS;
    }

    dialogs.PrepareBeep();
    // Where no window manager maximises the window, it takes the screen all the same.
    if (const QScreen* screen = QApplication::primaryScreen())
        form.setGeometry(screen->availableGeometry());
    form.showMaximized();
    return app.exec();
}

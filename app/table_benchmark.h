#pragma once
// "velmora --bench-table [ROUNDS]": the table's motions measured in real time as the
// player sees them (a card dealt to a player and to the dealer, a short and a long chip
// glide, the hole card turned, whole rounds of Computer Simulated Play) at three
// ComputerSpeed settings, and what one motion step costs to repaint on a table of
// 1920 x 1080 pixels.

#include <QSize>
#include <QString>

#include <cstdint>
#include <string>
#include <vector>

namespace velmora {

class TMainForm;

struct MotionTimings {
    uint16_t ComputerSpeed = 0;
    double PlayerCardMs = 0;
    double DealerCardMs = 0;
    double ShortGlideMs = 0;
    double LongGlideMs = 0;
    double FlipMs = 0;
    int Rounds = 0;  // rounds of computer play measured
    double RoundMeanMs = 0;
    double RoundMinMs = 0;
    double RoundMaxMs = 0;
};

struct RepaintCost {
    QSize Size;
    int Steps = 0;
    double CardStepMeanMs = 0;  // a card moved one step: its old and new places
    double CardStepWorstMs = 0;
    double ChipStepMeanMs = 0;
    double ChipStepWorstMs = 0;
    double WholeTableMs = 0;  // everything, for comparison
    long long Paints = 0;     // paint events the steps caused (one a step)
};

struct TableBenchmarkResult {
    QString Platform;
    std::vector<MotionTimings> Speeds;
    RepaintCost Repaint;
    std::string Report() const;
};

// Shows the form at a size whose table is 1920 x 1080 and measures. `rounds` rounds of
// computer play are timed at each setting.
TableBenchmarkResult RunTableBenchmark(TMainForm& form, int rounds);

}  // namespace velmora

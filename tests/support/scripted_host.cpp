#include "tests/support/scripted_host.h"

#include <sstream>

namespace velmora::testing {

namespace {

std::string Join(const std::string& name, std::initializer_list<double> args) {
    std::ostringstream out;
    out << name;
    for (double a : args) out << ' ' << a;
    return out.str();
}

}  // namespace

std::vector<std::string> RecordingTable::Calls(const std::string& prefix) const {
    std::vector<std::string> out;
    for (const std::string& c : calls)
        if (c.rfind(prefix, 0) == 0) out.push_back(c);
    return out;
}

void RecordingTable::DealCard(const TCard& card, int, int) {
    calls.push_back(Join("DealCard", {double(card.PositionCode)}));
}
void RecordingTable::ShowPointer(int hand) { calls.push_back(Join("ShowPointer", {double(hand)})); }
void RecordingTable::ShowLabel(int hand, std::string_view text) {
    calls.push_back(Join("ShowLabel", {double(hand)}) + " " + std::string(text));
}
void RecordingTable::ShowSettlement(int hand, double r) {
    calls.push_back(Join("ShowSettlement", {double(hand), r}));
}
void RecordingTable::ShowDoubledBet(int hand) {
    calls.push_back(Join("ShowDoubledBet", {double(hand)}));
}
void RecordingTable::ShowSplit(int from, int to) {
    calls.push_back(Join("ShowSplit", {double(from), double(to)}));
}
void RecordingTable::PlaceBetChip(int spot, int value) {
    chipsOnSpot[spot] += value;
    calls.push_back(Join("PlaceBetChip", {double(spot), double(value)}));
}
void RecordingTable::ShowBetBoxes(bool secondBox) {
    calls.push_back(Join("ShowBetBoxes", {double(secondBox)}));
}
void RecordingTable::SetMovingChipBet(int amount) {
    calls.push_back(Join("SetMovingChipBet", {double(amount)}));
}
void RecordingTable::MakeChange(int amount) { calls.push_back(Join("MakeChange", {double(amount)})); }
void RecordingTable::ShowAdvice(std::string_view text) {
    calls.push_back("ShowAdvice " + std::string(text));
}
void RecordingTable::ShowSpeedBar(bool visible) {
    calls.push_back(Join("ShowSpeedBar", {double(visible)}));
}
void RecordingTable::Delay(int units) { calls.push_back(Join("Delay", {double(units)})); }
void RecordingTable::LongDelay(int units) { calls.push_back(Join("LongDelay", {double(units)})); }

const char* CommandName(PlayCommand command) {
    switch (command) {
        case PlayCommand::Bet: return "Bet";
        case PlayCommand::Stand: return "Stand";
        case PlayCommand::Hit: return "Hit";
        case PlayCommand::Double: return "Double";
        case PlayCommand::Split: return "Split";
        case PlayCommand::Surrender: return "Surrender";
        case PlayCommand::Hint: return "Hint";
    }
    return "?";
}

void ScriptedHost::ProcessEvents() {
    ++eventPasses;
    if (onEvents && game) onEvents(*game);
}

void ScriptedHost::ShowMessage(std::string_view text) {
    boxes.push_back("message: " + std::string(text));
}

bool ScriptedHost::AskYesNo(std::string_view text) {
    boxes.push_back("question: " + std::string(text));
    if (answers.empty()) return false;
    const bool yes = answers.front();
    answers.pop_front();
    return yes;
}

bool ScriptedHost::AskYesCancel(std::string_view text) { return AskYesNo(text); }

void ScriptedHost::ShowErrorAt(std::string_view text, int left, int top) {
    boxes.push_back("error " + std::to_string(left) + "," + std::to_string(top) + ": " +
                    std::string(text));
}

void ScriptedHost::ShowPlayCommand(PlayCommand command, bool visible) {
    commandLog.push_back(std::string(visible ? "show " : "hide ") + CommandName(command));
    if (visible)
        shown.insert(command);
    else
        shown.erase(command);
}

TableDisplay* ScriptedHost::OpenTable() {
    tableOpen = true;
    return &table;
}

ResultsDisplay* ScriptedHost::OpenResults() {
    resultsOpen = true;
    return &results;
}

void ScriptedHost::ShowBettingIntro() {
    ++bettingIntros;
    if (onBettingIntro && game) onBettingIntro(*game);
}

std::optional<std::string> ScriptedHost::PickFileName(std::string_view proposal) {
    proposals.emplace_back(proposal);
    if (pickedNames.empty()) return std::nullopt;
    auto name = pickedNames.front();
    pickedNames.pop_front();
    return name;
}

std::vector<std::string> ScriptedHost::AdviceBoxes() const {
    std::vector<std::string> out;
    for (const std::string& b : boxes)
        if (b.rfind("error ", 0) == 0) out.push_back(b.substr(b.find(": ") + 2));
    return out;
}

}  // namespace velmora::testing

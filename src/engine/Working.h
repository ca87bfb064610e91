#pragma once
#include <string>
#include <string_view>
#include <vector>

namespace kelvara {

// How a line of the working shows its amount.
enum class WorkingUnit {
    None,               // a heading or a note: no amount
    Money,              // rand and cents: "5 649.48"
    WholeRand,          // rand: "0"
    Count,              // days, members, an age: "31"
    Percent,            // "39%", "27.5%"
    PercentOneDecimal,  // an average rate as the windows show it: "23.2%"
};

// One line of the working: a heading, or a step and the amount it gives. A
// step that gives a figure the window shows names that figure by its key.
struct WorkingLine {
    int Depth = 1;  // 0 a heading, 1 a step, 2 a detail of the step above
    std::string Text;
    double Amount = 0;
    WorkingUnit Unit = WorkingUnit::None;
    std::string Key;

    bool IsHeading() const { return Depth == 0; }
    // Headings and the figures the window shows stand out in bold.
    bool StandsOut() const { return IsHeading() || !Key.empty(); }
    // An amount in rand, shown under an "R".
    bool InRand() const { return Unit == WorkingUnit::Money || Unit == WorkingUnit::WholeRand; }
};

// The account of one calculation, step by step, in the words of the
// calculation that recorded it. The calculators take an optional account and
// record nothing when they are given none.
class Working {
public:
    void Heading(std::string text);
    void Step(std::string text, double amount, WorkingUnit unit = WorkingUnit::Money);
    void Detail(std::string text, double amount, WorkingUnit unit = WorkingUnit::Money);
    void Note(std::string text);
    // A step that gives a figure the window shows, under the figure's key.
    void Result(std::string text, double amount, std::string key, WorkingUnit unit = WorkingUnit::Money);

    const std::vector<WorkingLine>& Lines() const { return lines_; }
    bool Empty() const { return lines_.empty(); }

    // The last line that gives the figure, or none.
    const WorkingLine* Find(std::string_view key) const;

private:
    std::vector<WorkingLine> lines_;
};

// A line's amount as the windows show it; empty for a heading or a note.
std::string AmountText(const WorkingLine& line);

// The whole account as plain text, the amounts in a right-aligned column: for
// the clipboard and the command line.
std::string WorkingText(const Working& working);

// Figures inside a step's words: rand and cents ("25 000.00"), and a count,
// rate or factor as briefly as it is exactly written ("31", "27.5", "0.333").
std::string Rand(double amount);
std::string Figure(double value);

}  // namespace kelvara

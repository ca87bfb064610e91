#pragma once
#include <string>
#include <type_traits>
#include <utility>

#include "Working.h"

namespace kelvara {

// Records a calculation's working into the account asked for, and does nothing
// when none was asked for, so a calculation states its steps without guarding
// each one. Words that cost formatting may be given as a function returning
// them: they are built only when an account records them.
class WorkingRecorder {
public:
    // Implicit, so that a calculation hands on the optional account it was given.
    WorkingRecorder(Working* working = nullptr) : working_(working) {}  // NOLINT(google-explicit-constructor)

    template <class Text>
    void Heading(Text&& text) const {
        if (working_) Record([&] { working_->Heading(Words(std::forward<Text>(text))); });
    }
    template <class Text>
    void Step(Text&& text, double amount, WorkingUnit unit = WorkingUnit::Money) const {
        if (working_) Record([&] { working_->Step(Words(std::forward<Text>(text)), amount, unit); });
    }
    template <class Text>
    void Detail(Text&& text, double amount, WorkingUnit unit = WorkingUnit::Money) const {
        if (working_) Record([&] { working_->Detail(Words(std::forward<Text>(text)), amount, unit); });
    }
    template <class Text>
    void Note(Text&& text) const {
        if (working_) Record([&] { working_->Note(Words(std::forward<Text>(text))); });
    }
    // A step that gives a figure the window shows, under the figure's key.
    template <class Text>
    void Result(Text&& text, double amount, const char* key, WorkingUnit unit = WorkingUnit::Money) const {
        if (working_) Record([&] { working_->Result(Words(std::forward<Text>(text)), amount, key, unit); });
    }
    // Hands the account to a helper that records several lines, such as the
    // tax engine's ExplainAnnualTax.
    template <class Explainer>
    void Explain(Explainer&& explain) const {
        if (working_) Record([&] { std::forward<Explainer>(explain)(*working_); });
    }

private:
    // Recording is kept out of line, so that a calculation asked for no
    // account runs as if it had no steps to record.
    template <class Recording>
    [[gnu::noinline, gnu::cold]] static void Record(const Recording& record) {
        record();
    }

    template <class Text>
    static std::string Words(Text&& text) {
        if constexpr (std::is_invocable_v<Text>) {
            return std::forward<Text>(text)();
        } else {
            return std::string(std::forward<Text>(text));
        }
    }

    Working* working_;
};

}  // namespace kelvara

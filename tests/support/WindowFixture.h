#pragma once
#include <QMdiArea>
#include <QObject>
#include <memory>

#include "WindowDriver.h"
#include "WindowTestBench.h"

namespace kelvara::testing {

// Each test of a window starts with a fresh bench and the window open on it,
// shown and active, and driven by the test; after the test both are gone.
class WindowFixture : public QObject, public WindowDriver {
    Q_OBJECT

protected:
    // Opens the window under test over the bench; nothing when each test
    // opens its own.
    virtual QWidget* openWindow() = 0;
    // Closes what the test opened, before the bench goes.
    virtual void closeWindow() = 0;

    std::unique_ptr<WindowTestBench> bench_;

private slots:
    void init();
    void cleanup();
};

// The fixture of a calculator window opened over its kept state and the
// bench's reports, the state fresh for each test.
template <class Window, class State>
class CalculatorWindowFixture : public WindowFixture {
protected:
    // Opens the window again over the state as it is now, as a child of a
    // work area that makes it active again, as the main window does.
    WindowDriver reopenInWorkArea() {
        window_.reset();
        area_ = std::make_unique<QMdiArea>();
        auto* reopened = new Window(state_, *bench_->Reports);
        ReactivateInWorkArea(*area_, *area_->addSubWindow(reopened));
        return WindowDriver(*reopened);
    }

    State state_{};
    std::unique_ptr<Window> window_;

private:
    QWidget* openWindow() override {
        state_ = {};
        window_ = std::make_unique<Window>(state_, *bench_->Reports);
        return window_.get();
    }
    void closeWindow() override {
        area_.reset();
        window_.reset();
    }

    std::unique_ptr<QMdiArea> area_;
};

}  // namespace kelvara::testing

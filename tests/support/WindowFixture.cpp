#include "WindowFixture.h"

#include <QTest>

namespace kelvara::testing {

void WindowFixture::init() {
    bench_ = std::make_unique<WindowTestBench>();
    QWidget* window = openWindow();
    if (!window) return;
    drive(*window);
    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window));
}

void WindowFixture::cleanup() {
    closeWindow();
    bench_.reset();
}

}  // namespace kelvara::testing

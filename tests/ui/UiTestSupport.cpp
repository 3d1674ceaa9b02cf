#include "UiTestSupport.h"

#include <QApplication>
#include <QTest>

const char* const ExtraTestArguments[3] = {"/I", "10.0.0.5", "\xC3\xA4rger"};

bool ShowActive(QWidget* window) {
    window->show();
    window->activateWindow();
    return QTest::qWaitForWindowActive(window, 5000);
}

bool WaitUntil(const std::function<bool()>& condition, int limitMs) {
    return QTest::qWaitFor(condition, limitMs);
}

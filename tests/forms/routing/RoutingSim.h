#pragma once

#include "SimulatorTest.h"
#include "SnmpTool.h"
#include "TestAgent.h"
#include "UiTestSupport.h"
#include "snmp/QxSNMPGlobal.h"
#include "ui/toolkit/TApplication.h"
#include "ui/toolkit/TForm.h"
#include "ui/toolkit/TMemo.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

// A UI test whose windows talk to the simulator.
using RoutingDeviceTest = SimulatorTest;

// Runs `inside` once the modal window that `open` shows runs; a window `inside` left open is
// closed, so that no test hangs on it. False when no modal window came.
inline bool WithModal(QObject* context, const std::function<void()>& open,
                      const std::function<void(TForm&)>& inside) {
    const QWidget* before = QApplication::activeModalWidget();
    bool ran = false;
    PostCall(context, [&] {
        auto* dialog = dynamic_cast<TForm*>(QApplication::activeModalWidget());
        if (dialog == nullptr || dialog == before) {
            ADD_FAILURE() << "no modal window";
            return;
        }
        ran = true;
        inside(*dialog);
        if (dialog->isVisible()) {
            dialog->Close();
        }
    });
    open();
    return ran;
}

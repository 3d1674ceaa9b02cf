#pragma once

#include "SimulatorTest.h"

// A UI test whose windows talk to the simulator.
using TimeDeviceTest = SimulatorTest;

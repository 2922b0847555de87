#pragma once

#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>
#include <windows.h>

namespace tamba::test {

// The monitors as the platform lists them now (EnumDisplayMonitors), in its order.
std::vector<RECT> monitorRects();

// Runs the X server's xrandr with these arguments (Wine starts a Unix program as it would a Windows one)
// and returns once it has ended, pumping messages meanwhile and calling meanwhile between looks. False if
// it did not start or did not end within ten seconds. Wine 8 hands back no process that can be waited on for
// a Unix program, nor its exit code: what the platform lists afterwards is what tells.
bool runXrandr(const std::string& arguments, const std::function<void()>& meanwhile = {});

// Runs xrandr and waits until the platform counts the monitors expected.
::testing::AssertionResult xrandr(const std::string& arguments, int monitors);

} // namespace tamba::test

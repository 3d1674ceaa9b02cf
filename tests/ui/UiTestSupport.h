#pragma once

#include "ui/toolkit/TMessageBox.h"

#include <gtest/gtest.h>

#include <QWidget>

#include <functional>

// Arguments the UI test entry hands to the application object in addition to the ones it was
// started with, so that tests can check how the application reports them.
extern const char* const ExtraTestArguments[3];

// Shows a window and waits (bounded) until it is the active one, so that focus moves like a
// user's; false if the platform did not activate it.
bool ShowActive(QWidget* window);

// Processes events until the condition holds or the time limit passes; returns the condition.
bool WaitUntil(const std::function<bool()>& condition, int limitMs = 5000);

// Every UI test starts with an empty message script and fails if a message box came that the
// test did not answer.
class UiTest : public testing::Test {
protected:
    void SetUp() override { MessageScript::Clear(); }
    void TearDown() override {
        EXPECT_EQ(MessageScript::Unanswered(), 0) << "a message box came without an answer";
        MessageScript::Clear();
    }
};

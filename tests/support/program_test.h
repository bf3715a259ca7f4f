#pragma once

#include <gtest/gtest.h>

#include "pointer.h"
#include "program_on.h"
#include "recording_window_system.h"

using testing_support::centreOf;
using testing_support::click;
using testing_support::clickAt;
using testing_support::moveTo;

// The program on the runtime alone, its input handed to the forms as every
// window system hands it.
using ProgramRun = testing_support::ProgramOn<testing_support::RecordingWindowSystem>;

class ProgramTest : public ::testing::Test, protected ProgramRun {};

// The main window just handed over, its slide about to start.
class MainWindowTest : public ProgramTest {
  protected:
    void SetUp() override { handOff(); }
};

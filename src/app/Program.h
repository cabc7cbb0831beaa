// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include "app/CommandLine.h"
#include "linux/Environment.h"

namespace torvane {

// Runs the program for a command line that asks to start the window (Action::Run) or to
// render a log (Action::Render); `argc` and `argv` go to the Qt application. Returns the
// process's exit status.
int RunProgram(const CommandLineOptions& options, const Environment& env, int argc, char** argv);

}  // namespace torvane

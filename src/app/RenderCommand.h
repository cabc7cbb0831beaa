// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/CommandLine.h"
#include "linux/Environment.h"
#include "platform/IRegistry.h"

namespace torvane {

// `torvane --render LOG.blf OUT.png [--hours H] [--scale N] [--ref REF.blf]...`.
struct RenderRequest {
    std::string logPath;                     // a battery log file on the host
    std::string outPath;                     // the PNG to write
    std::optional<std::int32_t> hours;       // the time scale instead of the stored one
    int scale = 1;                           // the picture N times the size, drawn that sharp
    std::vector<std::string> refPaths = {};  // logs loaded into reference slots 1, 2, 3
};

// Draws the graph of a saved battery log as the live session, the status line as the window
// showed it when the last sample was recorded, into a 240 x 320 PNG (N times that at scale N).
// Colours and view switches are those the main window would load from `settings` (the first-run
// colours when the store has none yet); nothing is written to the store. Reference logs fill the
// slots as loading them in the window does, and are drawn as the window draws its slots. Needs a
// QGuiApplication but no window. Returns the exit status: 0 when the picture is written, 1 when a
// log cannot be read or the picture cannot be written, with the reason on `err`.
int RunRenderCommand(const RenderRequest& request, IRegistry& settings, std::ostream& err);

// The whole `--render` run of the program: a GUI application on Qt's offscreen platform
// (unless QT_QPA_PLATFORM names another), the settings store of `env`, messages on stderr.
int RunRenderProgram(const CommandLineOptions& options, const Environment& env, int argc,
                     char** argv);

}  // namespace torvane

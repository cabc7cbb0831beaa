// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace torvane {

// What the command line asks for.
struct CommandLineOptions {
    enum class Action {
        Run,            // start the program's window
        Render,         // draw a battery log file into a picture and end
        ImportHistory,  // turn the power daemon's battery history into battery logs and end
        Record,         // record every discharge without a window, until a signal ends it
        Help,           // print the help text and end
        Version,        // print the version and end
        Error,          // the command line is wrong: print `error` and the usage, end with status 2
    };
    Action action = Action::Run;
    bool simulate = false;  // --simulate: the built-in simulated battery
    std::string renderLog;  // --render LOG.blf OUT.png
    std::string renderOut;
    int renderHours = 0;                    // --hours H, 0 when not given
    int renderScale = 1;                    // --scale N: the picture N times the size
    std::vector<std::string> renderRefs;    // --ref REF.blf, up to three, for slots 1 to 3
    std::vector<std::string> historyFiles;  // --import-history FILE...; none: the daemon's own
    std::string importInto;   // --into FOLDER (--import-history, --record), empty when not given
    std::string metricsFile;  // --record --metrics FILE, empty when not given
    std::string error;
};

// The program's command line: --help, --version, --simulate,
// --render LOG.blf OUT.png [--hours H] [--scale N] [--ref REF.blf]... and
// --import-history [FILE ...] [--into FOLDER] and --record [--into FOLDER] [--metrics FILE].
// Options are taken in order; the first one that ends the program (help, version or an error)
// decides. The help lists every option and environment variable from one table of each.
class CommandLine {
public:
    static constexpr int kMaxRenderHours = 1000;
    static constexpr int kMaxRenderScale = 4;
    static constexpr std::size_t kMaxRenderRefs = 3;  // one for each reference slot

    static CommandLineOptions Parse(int argc, const char* const* argv);

    static std::string Usage();
    static std::string Help();
    static std::string Version();
};

}  // namespace torvane

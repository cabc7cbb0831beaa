#pragma once

#include <string>

namespace torvane {

// What the command line asks for.
struct CommandLineOptions {
    enum class Action {
        Run,      // start the program's window
        Render,   // draw a battery log file into a picture and end
        Help,     // print the help text and end
        Version,  // print the version and end
        Error,    // the command line is wrong: print `error` and the usage, end with status 2
    };
    Action action = Action::Run;
    bool simulate = false;  // --simulate: the built-in simulated battery
    std::string renderLog;  // --render LOG.blf OUT.png
    std::string renderOut;
    int renderHours = 0;  // --hours H, 0 when not given
    int renderScale = 1;  // --scale N: the picture N times the size
    std::string error;
};

// The program's command line: --help, --version, --simulate and
// --render LOG.blf OUT.png [--hours H] [--scale N]. Options are taken in order; the first one
// that ends the program (help, version or an error) decides.
class CommandLine {
public:
    static constexpr int kMaxRenderHours = 1000;
    static constexpr int kMaxRenderScale = 4;

    static CommandLineOptions Parse(int argc, const char* const* argv);

    static std::string Usage();
    static std::string Help();
    static std::string Version();
};

}  // namespace torvane

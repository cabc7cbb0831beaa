// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/CommandLine.h"

#include <charconv>
#include <optional>
#include <string>
#include <string_view>

#ifndef TORVANE_VERSION
#define TORVANE_VERSION "unknown"
#endif

namespace torvane {

namespace {

CommandLineOptions Fail(std::string message) {
    CommandLineOptions options;
    options.action = CommandLineOptions::Action::Error;
    options.error = std::move(message);
    return options;
}

// The whole number `value` spells when it lies in lowest..highest; none for anything else.
std::optional<int> WholeNumberIn(std::string_view value, int lowest, int highest) {
    int number = 0;
    const auto [end, ec] = std::from_chars(value.data(), value.data() + value.size(), number);
    if (ec != std::errc() || end != value.data() + value.size() || number < lowest ||
        number > highest) {
        return std::nullopt;
    }
    return number;
}

CommandLineOptions NotAWholeNumber(std::string_view option, int highest, std::string_view value) {
    return Fail("option '" + std::string(option) + "' needs a whole number from 1 to " +
                std::to_string(highest) + ", not '" + std::string(value) + "'");
}

}  // namespace

CommandLineOptions CommandLine::Parse(int argc, const char* const* argv) {
    using Action = CommandLineOptions::Action;
    CommandLineOptions options;
    bool hoursGiven = false;
    bool scaleGiven = false;
    for (int i = 1; i < argc; ++i) {
        std::string_view arg = argv[i];
        std::string_view inlineValue;
        bool hasInlineValue = false;
        if (arg.substr(0, 2) == "--") {
            if (const auto eq = arg.find('='); eq != std::string_view::npos) {
                inlineValue = arg.substr(eq + 1);
                hasInlineValue = true;
                arg = arg.substr(0, eq);
            }
        }
        const bool takesValue = arg == "--hours" || arg == "--scale" || arg == "--ref" ||
                                arg == "--into" || arg == "--metrics";
        if (hasInlineValue && !takesValue) {
            return Fail("option '" + std::string(arg) + "' takes no value after '='");
        }

        if (arg == "--help" || arg == "-h") {
            options.action = Action::Help;
            return options;
        }
        if (arg == "--version") {
            options.action = Action::Version;
            return options;
        }
        if (arg == "--simulate") {
            options.simulate = true;
        } else if (arg == "--render") {
            if (options.action != Action::Run) {
                return Fail("option '--render' is given twice or with another action");
            }
            if (i + 2 >= argc) {
                return Fail("option '--render' needs a log file and a picture file");
            }
            options.action = Action::Render;
            options.renderLog = argv[++i];
            options.renderOut = argv[++i];
        } else if (arg == "--hours") {
            std::string_view value;
            if (hasInlineValue) {
                value = inlineValue;
            } else if (i + 1 < argc) {
                value = argv[++i];
            } else {
                return Fail("option '--hours' needs a number of hours");
            }
            const auto hours = WholeNumberIn(value, 1, kMaxRenderHours);
            if (!hours) {
                return NotAWholeNumber(arg, kMaxRenderHours, value);
            }
            options.renderHours = *hours;
            hoursGiven = true;
        } else if (arg == "--scale") {
            const std::string_view value =
                hasInlineValue ? inlineValue : (i + 1 < argc ? argv[++i] : "");
            const auto scale = WholeNumberIn(value, 1, kMaxRenderScale);
            if (!scale) {
                return NotAWholeNumber(arg, kMaxRenderScale, value);
            }
            options.renderScale = *scale;
            scaleGiven = true;
        } else if (arg == "--ref" || arg == "--into" || arg == "--metrics") {
            std::string_view value;
            if (hasInlineValue) {
                value = inlineValue;
            } else if (i + 1 < argc) {
                value = argv[++i];
            }
            if (value.empty()) {
                return Fail("option '" + std::string(arg) + "' needs " +
                            (arg == "--into"  ? "a folder"
                             : arg == "--ref" ? "a log file"
                                              : "a file"));
            }
            if (arg == "--metrics") {
                if (!options.metricsFile.empty()) {
                    return Fail("option '--metrics' is given twice");
                }
                options.metricsFile = value;
            } else if (arg == "--into") {
                if (!options.importInto.empty()) {
                    return Fail("option '--into' is given twice");
                }
                options.importInto = value;
            } else if (options.renderRefs.size() == kMaxRenderRefs) {
                return Fail("option '--ref' can be given at most " +
                            std::to_string(kMaxRenderRefs) + " times, one for each slot");
            } else {
                options.renderRefs.emplace_back(value);
            }
        } else if (arg == "--import-history" || arg == "--record") {
            if (options.action != Action::Run) {
                return Fail("option '" + std::string(arg) +
                            "' is given twice or with another action");
            }
            options.action = arg == "--record" ? Action::Record : Action::ImportHistory;
        } else if (options.action == Action::ImportHistory && !arg.empty() && arg.front() != '-') {
            options.historyFiles.emplace_back(arg);
        } else if (!arg.empty() && arg.front() == '-') {
            return Fail("unknown option '" + std::string(arg) + "'");
        } else {
            return Fail("unexpected argument '" + std::string(arg) + "'");
        }
    }
    if ((hoursGiven || !options.renderRefs.empty()) && options.action != Action::Render) {
        return Fail(std::string("option '") + (hoursGiven ? "--hours" : "--ref") +
                    "' belongs with '--render'");
    }
    if (!options.importInto.empty() && options.action != Action::ImportHistory &&
        options.action != Action::Record) {
        return Fail("option '--into' belongs with '--import-history' or '--record'");
    }
    if (!options.metricsFile.empty() && options.action != Action::Record) {
        return Fail("option '--metrics' belongs with '--record'");
    }
    if (options.simulate && options.action == Action::Record) {
        return Fail("option '--simulate' does not go with '--record', which reads the battery");
    }
    if (scaleGiven && options.action != Action::Render) {
        return Fail("option '--scale' belongs with '--render'");
    }
    return options;
}

std::string CommandLine::Usage() {
    return "Usage: torvane [--simulate]\n"
           "       torvane --render LOG.blf OUT.png [--hours H] [--scale N] [--ref REF.blf]...\n"
           "       torvane --import-history [FILE ...] [--into FOLDER]\n"
           "       torvane --record [--into FOLDER] [--metrics FILE]\n"
           "       torvane --help | --version\n";
}

std::string CommandLine::Help() {
    return "Torvane records how the battery discharges: start a session, unplug the power,\n"
           "and it draws the discharge curve and estimates the battery life.\n"
           "\n" +
           Usage() +
           "\n"
           "Options:\n"
           "  --simulate          use a built-in simulated battery instead of the machine's\n"
           "  --render LOG OUT    draw the battery log file LOG into the PNG picture OUT\n"
           "  --hours H           with --render: the time axis spans H hours\n"
           "  --scale N           with --render: the picture N times the size (1 to 4)\n"
           "  --ref REF           with --render: draw the battery log file REF too, as the\n"
           "                      window draws a reference log; up to three, slots 1 to 3\n"
           "  --import-history [FILE ...]\n"
           "                      turn the power daemon's battery history (the files named,\n"
           "                      or every history-charge-*.dat in the history folder) into\n"
           "                      battery logs, one for each discharge\n"
           "  --record            record every discharge without a window, each as a battery\n"
           "                      log, until ended by SIGTERM, SIGINT or SIGHUP\n"
           "  --into FOLDER       with --import-history or --record: write the logs into\n"
           "                      FOLDER instead of the device folder \\My Documents\\History\n"
           "  --metrics FILE      with --record: keep the battery's figures in FILE in the\n"
           "                      Prometheus text format, for the node exporter's textfile\n"
           "                      collector\n"
           "  --help              show this help and exit\n"
           "  --version           show the version and exit\n"
           "\n"
           "Environment:\n"
           "  TORVANE_REGISTRY          the settings file\n"
           "                            (default $XDG_CONFIG_HOME/torvane/registry.reg)\n"
           "  TORVANE_DEVICE_ROOT       the folder that paths starting with \\ refer to\n"
           "                            (default $XDG_DATA_HOME/torvane/device)\n"
           "  TORVANE_POWER_SUPPLY      the power_supply folder to read\n"
           "                            (default /sys/class/power_supply)\n"
           "  TORVANE_TIME_SCALE        run every timer and the recorder's clock N times\n"
           "                            faster (default 1)\n"
           "  TORVANE_POWEROFF_COMMAND  what the automatic power-off runs\n"
           "                            (default systemctl poweroff)\n"
           "  TORVANE_HISTORY_DIR       the battery history folder --import-history reads\n"
           "                            (default /var/lib/upower)\n";
}

std::string CommandLine::Version() {
    return std::string("Torvane ") + TORVANE_VERSION +
           "\nLicense GPL-3.0-or-later: GNU GPL version 3 or later "
           "<https://gnu.org/licenses/gpl.html>\n";
}

}  // namespace torvane

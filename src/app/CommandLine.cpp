// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QStringList>
#include <algorithm>
#include <array>
#include <charconv>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#ifndef TORVANE_VERSION
#define TORVANE_VERSION "unknown"
#endif

namespace torvane {

namespace {

// One option of the program: its name, a one-letter spelling, the value it takes (none for a
// switch), the arguments after it that the help shows, and what it does.
struct OptionRow {
    std::string_view name;
    std::string_view letter;
    std::string_view value;
    std::string_view arguments;
    std::string_view meaning;
};

constexpr std::array kOptions{
    OptionRow{"simulate", "", "", "", "use a built-in simulated battery instead of the machine's"},
    OptionRow{"render", "", "", " LOG OUT",
              "draw the battery log file LOG into the PNG picture OUT"},
    OptionRow{"hours", "", "H", "", "with --render: the time axis spans H hours"},
    OptionRow{"scale", "", "N", "", "with --render: the picture N times the size (1 to 4)"},
    OptionRow{"ref", "", "REF", "",
              "with --render: draw the battery log file REF too, as the window draws a "
              "reference log; up to three, slots 1 to 3"},
    OptionRow{"import-history", "", "", " [FILE ...]",
              "turn the power daemon's battery history (the files named, or every "
              "history-charge-*.dat in the history folder) into battery logs, one for each "
              "discharge"},
    OptionRow{"record", "", "", "",
              "record every discharge without a window, each as a battery log, until ended by "
              "SIGTERM, SIGINT or SIGHUP"},
    OptionRow{"into", "", "FOLDER", "",
              "with --import-history or --record: write the logs into FOLDER instead of the "
              "device folder \\My Documents\\History"},
    OptionRow{"metrics", "", "FILE", "",
              "with --record: keep the battery's figures in FILE in the Prometheus text format, "
              "for the node exporter's textfile collector"},
    OptionRow{"help", "h", "", "", "show this help and exit"},
    OptionRow{"version", "", "", "", "show the version and exit"},
};

// The environment variables the program reads.
struct VariableRow {
    std::string_view name;
    std::string_view meaning;
    std::string_view fallback;
};

constexpr std::array kVariables{
    VariableRow{"TORVANE_REGISTRY", "the settings file", "$XDG_CONFIG_HOME/torvane/registry.reg"},
    VariableRow{"TORVANE_DEVICE_ROOT", "the folder that paths starting with \\ refer to",
                "$XDG_DATA_HOME/torvane/device"},
    VariableRow{"TORVANE_POWER_SUPPLY", "the power_supply folder to read",
                "/sys/class/power_supply"},
    VariableRow{"TORVANE_TIME_SCALE", "run every timer and the recorder's clock N times faster",
                "1"},
    VariableRow{"TORVANE_POWEROFF_COMMAND", "what the automatic power-off runs",
                "systemctl poweroff"},
    VariableRow{"TORVANE_HISTORY_DIR", "the battery history folder --import-history reads",
                "/var/lib/upower"},
};

// One entry of the help: `label` indented, then `words` filled into lines of at most 80
// characters from `column` on, beside the label or, when it is too wide, under it.
std::string HelpEntry(const std::string& label, std::size_t column,
                      const std::vector<std::string_view>& words) {
    constexpr std::size_t kWidth = 80;
    std::string text = "  " + label;
    std::size_t lineStart = 0;
    if (text.size() + 2 > column) {
        text += '\n';
        lineStart = text.size();
    }
    text.append(column - (text.size() - lineStart), ' ');
    std::size_t filled = 0;  // characters of words on this line
    for (const std::string_view word : words) {
        if (filled > 0 && column + filled + 1 + word.size() > kWidth) {
            text += '\n';
            text.append(column, ' ');
            filled = 0;
        }
        if (filled > 0) {
            text += ' ';
            ++filled;
        }
        text += word;
        filled += word.size();
    }
    return text + '\n';
}

std::vector<std::string_view> Words(std::string_view text) {
    std::vector<std::string_view> words;
    while (!text.empty()) {
        const std::size_t end = std::min(text.find(' '), text.size());
        words.push_back(text.substr(0, end));
        text.remove_prefix(std::min(end + 1, text.size()));
    }
    return words;
}

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

// Latin-1 turns every byte into one character and back, so a file name that is not UTF-8 comes
// through the parser unchanged; the option names are plain ASCII.
QString FromBytes(std::string_view bytes) {
    return QString::fromLatin1(bytes.data(), static_cast<qsizetype>(bytes.size()));
}

std::string ToBytes(const QString& text) {
    return text.toLatin1().toStdString();
}

const OptionRow* FindOption(const QString& name) {
    for (const OptionRow& row : kOptions) {
        if (name == FromBytes(row.name) || (!row.letter.empty() && name == FromBytes(row.letter))) {
            return &row;
        }
    }
    return nullptr;
}

}  // namespace

// The parser finds the options, their values and the arguments left over, but keeps no order
// between them. The program's rules depend on that order (the first option that ends the
// program decides, the two files after --render, the history files after --import-history),
// so the arguments are walked again in step with the names the parser found, in the order it
// found them. A mistake ends the walk at once, so the parser's own messages are never shown.
CommandLineOptions CommandLine::Parse(int argc, const char* const* argv) {
    using Action = CommandLineOptions::Action;
    QCommandLineParser parser;
    // One dash starts one long name, so -hx is an unknown option rather than -h with -x.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    for (const OptionRow& row : kOptions) {
        QStringList names{FromBytes(row.name)};
        if (!row.letter.empty()) {
            names.prepend(FromBytes(row.letter));
        }
        QCommandLineOption option(names);
        option.setValueName(FromBytes(row.value));
        parser.addOption(option);
    }
    QStringList found;  // the names of the options the parser found, in order
    qsizetype nextFound = 0;
    std::map<std::string_view, qsizetype> valuesTaken;
    // Parses the arguments from `first` on afresh (every mistake is told below, in the
    // program's words).
    const auto parseFrom = [&](int first) {
        QStringList arguments{QString()};  // where the program name goes
        for (int i = first; i < argc; ++i) {
            arguments.append(FromBytes(argv[i]));
        }
        parser.parse(arguments);
        found = parser.optionNames();
        nextFound = 0;
        valuesTaken.clear();
    };
    parseFrom(1);

    CommandLineOptions options;
    bool hoursGiven = false;
    bool scaleGiven = false;
    for (int i = 1; i < argc; ++i) {
        const std::string_view raw = argv[i];
        if (raw.empty() || raw.front() != '-') {
            if (options.action == Action::ImportHistory && !raw.empty()) {
                options.historyFiles.emplace_back(raw);
                continue;
            }
            return Fail("unexpected argument '" + std::string(raw) + "'");
        }
        // The parser's next option, when this argument spells it as the program does: the name
        // after two dashes (with or without =VALUE), the letter after one.
        const bool doubleDash = raw.substr(0, 2) == "--";
        const std::string_view spelled = doubleDash ? raw.substr(0, raw.find('=')) : raw;
        const bool hasInlineValue = spelled.size() < raw.size();
        const OptionRow* row = nextFound < found.size() ? FindOption(found[nextFound]) : nullptr;
        if (row != nullptr && spelled != "--" + std::string(row->name) &&
            (row->letter.empty() || spelled != "-" + std::string(row->letter))) {
            row = nullptr;
        }
        if (hasInlineValue && (row == nullptr || row->value.empty())) {
            return Fail("option '" + std::string(spelled) + "' takes no value after '='");
        }
        if (row == nullptr) {
            return Fail("unknown option '" + std::string(spelled) + "'");
        }
        ++nextFound;
        std::optional<std::string> value;
        if (!row->value.empty()) {
            const QStringList values = parser.values(FromBytes(row->name));
            if (const qsizetype taken = valuesTaken[row->name]++; taken < values.size()) {
                value = ToBytes(values[taken]);
                i += hasInlineValue ? 0 : 1;  // the parser took the next argument as the value
            }
        }

        const std::string_view name = row->name;
        if (name == "help") {
            options.action = Action::Help;
            return options;
        }
        if (name == "version") {
            options.action = Action::Version;
            return options;
        }
        if (name == "simulate") {
            options.simulate = true;
        } else if (name == "render") {
            if (options.action != Action::Run) {
                return Fail("option '--render' is given twice or with another action");
            }
            if (i + 2 >= argc) {
                return Fail("option '--render' needs a log file and a picture file");
            }
            options.action = Action::Render;
            options.renderLog = argv[++i];
            options.renderOut = argv[++i];
            // The two files may look like options to the parser, so it reads the rest again.
            parseFrom(i + 1);
        } else if (name == "hours") {
            if (!value) {
                return Fail("option '--hours' needs a number of hours");
            }
            const auto hours = WholeNumberIn(*value, 1, kMaxRenderHours);
            if (!hours) {
                return NotAWholeNumber(spelled, kMaxRenderHours, *value);
            }
            options.renderHours = *hours;
            hoursGiven = true;
        } else if (name == "scale") {
            const auto scale = WholeNumberIn(value.value_or(""), 1, kMaxRenderScale);
            if (!scale) {
                return NotAWholeNumber(spelled, kMaxRenderScale, value.value_or(""));
            }
            options.renderScale = *scale;
            scaleGiven = true;
        } else if (name == "ref" || name == "into" || name == "metrics") {
            if (value.value_or("").empty()) {
                return Fail("option '" + std::string(spelled) + "' needs " +
                            (name == "into"  ? "a folder"
                             : name == "ref" ? "a log file"
                                             : "a file"));
            }
            if (name == "metrics") {
                if (!options.metricsFile.empty()) {
                    return Fail("option '--metrics' is given twice");
                }
                options.metricsFile = *value;
            } else if (name == "into") {
                if (!options.importInto.empty()) {
                    return Fail("option '--into' is given twice");
                }
                options.importInto = *value;
            } else if (options.renderRefs.size() == kMaxRenderRefs) {
                return Fail("option '--ref' can be given at most " +
                            std::to_string(kMaxRenderRefs) + " times, one for each slot");
            } else {
                options.renderRefs.push_back(*value);
            }
        } else if (name == "import-history" || name == "record") {
            if (options.action != Action::Run) {
                return Fail("option '" + std::string(spelled) +
                            "' is given twice or with another action");
            }
            options.action = name == "record" ? Action::Record : Action::ImportHistory;
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
    std::string text =
        "Torvane records how the battery discharges: start a session, unplug the power,\n"
        "and it draws the discharge curve and estimates the battery life.\n"
        "\n" +
        Usage() + "\nOptions:\n";
    for (const OptionRow& row : kOptions) {
        std::string label;
        if (!row.letter.empty()) {
            label.append("-").append(row.letter).append(", ");
        }
        label.append("--").append(row.name);
        if (!row.value.empty()) {
            label.append(" ").append(row.value);
        }
        text += HelpEntry(label.append(row.arguments), 22, Words(row.meaning));
    }
    text += "\nEnvironment:\n";
    for (const VariableRow& row : kVariables) {
        std::vector<std::string_view> words = Words(row.meaning);
        const std::string fallback = "(default " + std::string(row.fallback) + ")";
        words.emplace_back(fallback);  // kept on one line
        text += HelpEntry(std::string(row.name), 28, words);
    }
    return text;
}

std::string CommandLine::Version() {
    return std::string("Torvane ") + TORVANE_VERSION +
           "\nLicense GPL-3.0-or-later: GNU GPL version 3 or later "
           "<https://gnu.org/licenses/gpl.html>\n";
}

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <cstdio>
#include <iostream>
#include <string>

#include "app/CommandLine.h"
#include "app/ImportHistoryCommand.h"
#include "app/Program.h"
#include "linux/Environment.h"
#include "linux/HelperProgram.h"

namespace {

// Prints to a stream and reports whether it all got there (a full disk or a closed pipe).
bool Print(std::FILE* stream, const std::string& text) {
    std::fputs(text.c_str(), stream);
    return std::fflush(stream) == 0 && std::ferror(stream) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    using torvane::CommandLine;
    using Action = torvane::CommandLineOptions::Action;

    const auto options = CommandLine::Parse(argc, argv);
    switch (options.action) {
        case Action::Help:
            return Print(stdout, CommandLine::Help()) ? 0 : 1;
        case Action::Version:
            return Print(stdout, CommandLine::Version()) ? 0 : 1;
        case Action::Error:
            Print(stderr, "torvane: " + options.error + "\n" + CommandLine::Usage() +
                              "Try 'torvane --help' for more.\n");
            return 2;
        case Action::Run:
        case Action::Render:
        case Action::ImportHistory:
        case Action::Record:
            break;
    }

    if (options.action == Action::Record) {
        // A program of its own, which loads none of the window's libraries.
        Print(stderr, "torvane: " + torvane::ExecHelperProgram("torvane-recorder", argv) + "\n");
        return 1;
    }

    const auto env = torvane::Environment::FromProcess();
    for (const std::string& warning : env.warnings) {
        Print(stderr, "torvane: " + warning + "\n");
    }
    if (options.action == Action::ImportHistory) {
        return torvane::RunImportHistory(options.historyFiles, options.importInto, env, std::cout,
                                         std::cerr);  // no display
    }
    return torvane::RunProgram(options, env, argc, argv);
}

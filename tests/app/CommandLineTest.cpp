// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CommandLine.h"

#include <gtest/gtest.h>

#include <fstream>
#include <initializer_list>
#include <iterator>
#include <regex>
#include <set>
#include <string>
#include <vector>

namespace torvane::test {
namespace {

using Action = CommandLineOptions::Action;

CommandLineOptions Parse(std::initializer_list<const char*> args) {
    std::vector<const char*> argv{"torvane"};
    argv.insert(argv.end(), args);
    return CommandLine::Parse(static_cast<int>(argv.size()), argv.data());
}

std::set<std::string> Names(const std::string& text, const std::regex& name) {
    return {std::sregex_token_iterator(text.begin(), text.end(), name), {}};
}

// The names in the first column of the README's table whose heading row starts with `heading`.
std::set<std::string> ReadmeTable(const std::string& heading, const std::regex& name) {
    std::ifstream readme(TORVANE_README);
    std::string cells;
    bool inside = false;
    for (std::string line; std::getline(readme, line) && (!inside || line.rfind('|', 0) == 0);) {
        if (inside) {
            cells += line.substr(0, line.find('|', 1)) + "\n";
        }
        inside = inside || line.rfind(heading, 0) == 0;
    }
    return Names(cells, name);
}

TEST(CommandLine, StartsTheWindowWithOrWithoutTheSimulatedBattery) {
    EXPECT_EQ(Parse({}).action, Action::Run);
    EXPECT_FALSE(Parse({}).simulate);
    const auto simulated = Parse({"--simulate"});
    EXPECT_EQ(simulated.action, Action::Run);
    EXPECT_TRUE(simulated.simulate);
}

TEST(CommandLine, HelpAndVersionEndTheProgram) {
    EXPECT_EQ(Parse({"--help"}).action, Action::Help);
    EXPECT_EQ(Parse({"-h"}).action, Action::Help);
    EXPECT_EQ(Parse({"--simulate", "--version"}).action, Action::Version);
    EXPECT_EQ(CommandLine::Version().rfind("Torvane ", 0), 0u);
    EXPECT_NE(CommandLine::Version().find("\nLicense GPL-3.0-or-later"), std::string::npos);
    EXPECT_NE(CommandLine::Help().find(CommandLine::Usage()), std::string::npos);
    // The first option that ends the program decides.
    EXPECT_EQ(Parse({"--bogus", "--help"}).action, Action::Error);
    EXPECT_EQ(Parse({"--help", "--bogus"}).action, Action::Help);
}

TEST(CommandLine, RendersALogWithAnOptionalTimeScale) {
    auto render = Parse({"--render", "run.blf", "run.png"});
    EXPECT_EQ(render.action, Action::Render);
    EXPECT_EQ(render.renderLog, "run.blf");
    EXPECT_EQ(render.renderOut, "run.png");
    EXPECT_EQ(render.renderHours, 0);
    EXPECT_EQ(Parse({"--hours", "12", "--render", "a", "b"}).renderHours, 12);
    EXPECT_EQ(Parse({"--render", "a", "b", "--hours=3"}).renderHours, 3);
    EXPECT_EQ(Parse({"--ref", "r1", "--render", "a", "b", "--ref=r2"}).renderRefs,
              (std::vector<std::string>{"r1", "r2"}));
    // A file name that is not UTF-8 comes through byte for byte.
    EXPECT_EQ(Parse({"--render", "a", "b", "--ref", "caf\xe9"}).renderRefs[0], "caf\xe9");
    EXPECT_EQ(render.renderScale, 1);
    EXPECT_EQ(Parse({"--scale", "4", "--render", "a", "b"}).renderScale, 4);
    EXPECT_EQ(Parse({"--render", "a", "b", "--scale=2"}).renderScale, 2);
}

TEST(CommandLine, ImportsHistoryFromTheFilesAfterItIntoAnOptionalFolder) {
    const auto all = Parse({"--import-history"});
    EXPECT_EQ(all.action, Action::ImportHistory);
    EXPECT_TRUE(all.historyFiles.empty());
    EXPECT_EQ(all.importInto, "");
    const auto some = Parse({"--into=out", "--import-history", "a.dat", "b.dat"});
    EXPECT_EQ(some.historyFiles, (std::vector<std::string>{"a.dat", "b.dat"}));
    EXPECT_EQ(some.importInto, "out");
    EXPECT_EQ(Parse({"--import-history", "a.dat", "--into", "x y"}).importInto, "x y");
}

TEST(CommandLine, RecordsIntoAnOptionalFolderWithOptionalMetrics) {
    const auto plain = Parse({"--record"});
    EXPECT_EQ(plain.action, Action::Record);
    EXPECT_EQ(plain.importInto, "");
    EXPECT_EQ(plain.metricsFile, "");
    const auto full = Parse({"--metrics=/m/t.prom", "--record", "--into", "logs"});
    EXPECT_EQ(full.action, Action::Record);
    EXPECT_EQ(full.importInto, "logs");
    EXPECT_EQ(full.metricsFile, "/m/t.prom");
}

TEST(CommandLine, MistakesAreNamed) {
    const auto expectError = [](std::initializer_list<const char*> args, const std::string& part) {
        const auto options = Parse(args);
        EXPECT_EQ(options.action, Action::Error) << part;
        EXPECT_NE(options.error.find(part), std::string::npos) << options.error;
    };
    expectError({"--bogus"}, "unknown option '--bogus'");
    expectError({"-x"}, "unknown option '-x'");
    expectError({"log.blf"}, "unexpected argument 'log.blf'");
    expectError({"--render", "only-one"}, "--render");
    expectError({"--render", "a", "b", "--render", "c", "d"}, "twice");
    expectError({"--render", "a", "b", "--hours"}, "--hours");
    for (const char* bad : {"0", "-1", "two", "1001", "3.5", ""}) {
        expectError({"--render", "a", "b", "--hours", bad}, "whole number");
    }
    expectError({"--hours", "5"}, "belongs with '--render'");
    expectError({"--ref", "r.blf"}, "'--ref' belongs with '--render'");
    expectError({"--render", "a", "b", "--ref"}, "'--ref' needs a log file");
    expectError({"--render", "a", "b", "--ref", "1", "--ref", "2", "--ref", "3", "--ref", "4"},
                "at most 3");
    expectError({"--into", "x"}, "belongs with '--import-history' or '--record'");
    expectError({"--import-history", "--into="}, "'--into' needs a folder");
    expectError({"--import-history", "--into", "a", "--into", "b"}, "twice");
    expectError({"--import-history", "--render", "a", "b"}, "with another action");
    expectError({"--record", "--import-history"}, "with another action");
    expectError({"--metrics", "m.prom"}, "'--metrics' belongs with '--record'");
    expectError({"--record", "--metrics"}, "'--metrics' needs a file");
    expectError({"--record", "--simulate"}, "does not go with '--record'");
    expectError({"h.dat", "--import-history"}, "unexpected argument 'h.dat'");
    for (const char* bad : {"0", "5", "2x", ""}) {
        expectError({"--render", "a", "b", "--scale", bad}, "whole number from 1 to 4");
    }
    expectError({"--render", "a", "b", "--scale"}, "--scale");
    expectError({"--scale", "2"}, "'--scale' belongs with '--render'");
    expectError({"--simulate=yes"}, "takes no value");
}

TEST(CommandLine, TheReadmeTablesNameEveryOptionAndVariableOfTheHelp) {
    const std::regex option("--[a-z][a-z-]*");
    const std::regex variable("TORVANE_[A-Z_]+");
    EXPECT_EQ(ReadmeTable("| option |", option), Names(CommandLine::Help(), option));
    EXPECT_EQ(ReadmeTable("| variable |", variable), Names(CommandLine::Help(), variable));
}

}  // namespace
}  // namespace torvane::test

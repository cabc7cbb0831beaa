// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

// Writes the seed corpus of the battery history reader into the folder given: histories as the
// power daemon writes them, in both decimal styles, and the damage real machines leave.
#include <cstdio>
#include <filesystem>
#include <string>

#include "SeedCorpus.h"

namespace {

// A charge, a full battery and a discharge to 20 % at one point every 72 seconds.
std::string Day(char decimal, const std::string& lineEnd) {
    std::string text;
    long t = 1718000000;
    text += std::to_string(t) + "\t0" + decimal + "000\tunknown" + lineEnd;
    for (int p = 60; p <= 100; p += 5, t += 600) {
        text += std::to_string(t) + "\t" + std::to_string(p) + decimal + "000\tcharging" + lineEnd;
    }
    text += std::to_string(t) + "\t100" + decimal + "000\tfully-charged" + lineEnd;
    for (int i = 0; i < 400; ++i) {
        t += 72;
        const int milli = 100000 - i * 200;
        char value[32];
        std::snprintf(value, sizeof value, "%d%c%03d", milli / 1000, decimal, milli % 1000);
        text += std::to_string(t) + "\t" + value + "\tdischarging" + lineEnd;
    }
    text += std::to_string(t + 60) + "\t20" + decimal + "000\tpending-charge" + lineEnd;
    return text;
}

}  // namespace

int main(int argc, char** argv) {
    const auto folder = CorpusFolder(argc, argv);
    if (!folder) {
        return 2;
    }
    const std::filesystem::path& dir = *folder;

    const std::string day = Day('.', "\n");
    std::string flicker;
    for (int i = 0; i < 1500; ++i) {
        flicker +=
            std::to_string(1718000000 + i * 2) + (i % 2 ? "\t59.6" : "\t59.4") + "\tdischarging\n";
    }
    flicker += "1718003000\t40.000\tdischarging\n";

    bool ok = true;
    ok &= WriteSeed(dir, "day.dat", day);
    ok &= WriteSeed(dir, "day-comma-crlf.dat", Day(',', "\r\n"));
    ok &= WriteSeed(dir, "truncated.dat", day.substr(0, day.size() - 7));
    ok &= WriteSeed(dir, "blank-lines.dat",
                    "\n\n" + day.substr(0, 500) + "\n \t\n" + day.substr(500));
    ok &= WriteSeed(dir, "sleep-and-clock-step.dat",
                    "1718000000\t90.000\tdischarging\n1718000700\t85.000\tdischarging\n"
                    "1718009000\t84.000\tdischarging\n1718009700\t80.000\tdischarging\n"
                    "1717000000\t70.000\tdischarging\n1717000900\t60.000\tdischarging\n");
    ok &= WriteSeed(dir, "over-100-and-below-0.dat",
                    "1718000000\t104.250\tdischarging\n1718000700\t-3.000\tdischarging\n");
    ok &= WriteSeed(dir, "flicker.dat", flicker);
    ok &= WriteSeed(dir, "overlong-line.dat", std::string(5000, '1') + "\n" + day.substr(0, 300));
    ok &= WriteSeed(dir, "nul-bytes.dat", std::string("1718000000\t9\0.000\tdischarging\n", 31));
    ok &= WriteSeed(dir, "huge-numbers.dat",
                    "99999999999999999999999\t1.000\tdischarging\n"
                    "253402300799\t99999999999999999999.9\tdischarging\n");
    ok &= WriteSeed(dir, "empty.dat", "");
    return ok ? 0 : 1;
}

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "logfile/CsvExport.h"
#include "session/MenuModel.h"
#include "session/SessionTestFixture.h"

namespace torvane::test {
namespace {

using FileCommands = SessionTest;
using Strings = std::vector<std::string>;

// The File menu's commands through the command handler, on a live log resumed from the
// auto-save file.
TEST_F(FileCommands, SaveAndExportWriteTheLiveLogWhereTheDialogSays) {
    const auto live = LogBytes({{0, 100}, {7, 96}});
    files.files[kAutoSave] = live;
    files.files["\\ref.blf"] = LogBytes({{0, 90}});
    Start();
    dlg->OnResumeSession();

    // A reference slot is never what gets written.
    fileDialog.answers = {"\\ref.blf", "\\saved.blf", "\\saved.csv"};
    EXPECT_TRUE(dlg->OnCommand(cmd::kLoadSlot1));
    EXPECT_TRUE(dlg->OnCommand(cmd::kSaveLog));
    EXPECT_TRUE(dlg->OnCommand(cmd::kExportCsv));
    EXPECT_EQ(files.files["\\saved.blf"], live);
    EXPECT_EQ(files.files["\\saved.csv"], EncodeCsv(dlg->Session().Log()));
    EXPECT_EQ(messages.shown,
              (Strings{"Battery log file file '\\ref.blf' loaded successfully in slot 1.",
                       "Log saved in '\\saved.blf'", "Data exported in '\\saved.csv'"}));
}

// "Load reference log", slot 1 to 3: each fills its own slot and no other, and leaves the
// live log alone.
TEST_F(FileCommands, EachLoadCommandFillsItsOwnSlot) {
    const std::pair<unsigned int, std::size_t> rows[] = {
        {cmd::kLoadSlot1, 0}, {cmd::kLoadSlot2, 1}, {cmd::kLoadSlot3, 2}};
    files.files["\\ref.blf"] = LogBytes({{0, 90}, {20, 80}, {50, 60}});
    for (const auto& [id, slot] : rows) {
        Start();
        messages.shown.clear();
        fileDialog.answers = {"\\ref.blf"};
        EXPECT_TRUE(dlg->OnCommand(id));
        for (std::size_t other = 0; other < 3; ++other) {
            EXPECT_EQ(dlg->Session().Refs()[other].count, other == slot ? 3 : 0)
                << "slot " << slot + 1 << ", looking at " << other + 1;
        }
        EXPECT_EQ(dlg->Session().Refs()[slot].percent[2], 60);
        EXPECT_EQ(dlg->Session().Log().count, 0);
        EXPECT_EQ(messages.shown,
                  Strings{"Battery log file file '\\ref.blf' loaded successfully in slot " +
                          std::to_string(slot + 1) + "."});
    }

    // A file that is not there changes nothing and says so.
    fileDialog.answers = {"\\missing.blf"};
    messages.shown.clear();
    dlg->OnCommand(cmd::kLoadSlot1);
    EXPECT_EQ(dlg->Session().Refs()[0].count, 0);
    EXPECT_EQ(dlg->Session().Refs()[2].count, 3);
    EXPECT_EQ(messages.shown,
              (Strings{"Cannot open file \\missing.blf", "Error loading battery log file"}));
}

}  // namespace
}  // namespace torvane::test

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "settings/StartupShortcut.h"

#include <gtest/gtest.h>

#include "fakes/FakePlatform.h"
#include "fakes/FakeStartupFolder.h"

namespace torvane {
namespace {

// How a desktop reads the program back out of the "Exec=" line: undo the string escapes,
// then the double quotes, then the field-code escape of '%'. Empty on malformed input.
std::string ProgramFromExec(const std::string& value) {
    std::string unescaped;
    for (std::size_t i = 0; i < value.size(); ++i) {
        if (value[i] != '\\') {
            unescaped += value[i];
            continue;
        }
        if (++i == value.size()) {
            return {};
        }
        switch (value[i]) {
            case 's':
                unescaped += ' ';
                break;
            case 'n':
                unescaped += '\n';
                break;
            case 't':
                unescaped += '\t';
                break;
            case 'r':
                unescaped += '\r';
                break;
            case '\\':
                unescaped += '\\';
                break;
            default:
                return {};
        }
    }
    if (unescaped.size() < 2 || unescaped.front() != '"' || unescaped.back() != '"') {
        return {};
    }
    std::string unquoted;
    for (std::size_t i = 1; i + 1 < unescaped.size(); ++i) {
        char c = unescaped[i];
        if (c == '"' || c == '`' || c == '$') {
            return {};  // must have been escaped
        }
        if (c == '\\') {
            c = unescaped[++i];
            if (i + 1 >= unescaped.size() || (c != '"' && c != '`' && c != '$' && c != '\\')) {
                return {};
            }
        }
        unquoted += c;
    }
    std::string program;
    for (std::size_t i = 0; i < unquoted.size(); ++i) {
        if (unquoted[i] == '%') {
            if (i + 1 == unquoted.size() || unquoted[i + 1] != '%') {
                return {};  // a field code: the program's name would change
            }
            ++i;
        }
        program += unquoted[i];
    }
    return program;
}

std::string ExecValue(const std::string& entry) {
    const auto start = entry.find("\nExec=");
    if (start == std::string::npos) {
        return {};
    }
    const auto from = start + 6;
    return entry.substr(from, entry.find('\n', from) - from);
}

TEST(StartupShortcutEntry, PlainPathIsQuotedAsIs) {
    EXPECT_EQ(StartupShortcut::DesktopEntry("/usr/local/bin/torvane"),
              "[Desktop Entry]\n"
              "Type=Application\n"
              "Name=Torvane\n"
              "Exec=\"/usr/local/bin/torvane\"\n"
              "Icon=com.quillmark.Torvane\n");
}

TEST(StartupShortcutEntry, EveryPathReadsBackUnchanged) {
    const char* paths[] = {
        "/usr/bin/torvane",
        "/home/ann/My Programs/torvane",
        "/home/ann/bin/it's (new) & <better>; ~|*?#/torvane",
        "/tmp/$HOME/`id`/\"q\"/back\\slash/torvane",
        "/tmp/%f %U %%/torvane",
        "/tmp/tab\there/new\nline/cr\r/torvane",
        "/tmp/Grüße/日本/torvane",
        "/tmp/equals=sign/torvane",
    };
    for (const char* path : paths) {
        const auto entry = StartupShortcut::DesktopEntry(path);
        ASSERT_TRUE(entry.has_value()) << path;
        const std::string value = ExecValue(*entry);
        EXPECT_EQ(ProgramFromExec(value), path) << value;
        // String values hold no raw control characters.
        for (char c : value) {
            EXPECT_GE(static_cast<unsigned char>(c), 0x20) << path;
        }
    }
}

TEST(StartupShortcutEntry, PathsThatCannotBeWrittenAreRefused) {
    EXPECT_FALSE(StartupShortcut::DesktopEntry("/tmp/bell\a/torvane").has_value());
    EXPECT_FALSE(StartupShortcut::DesktopEntry("/tmp/\xff\xfe/torvane").has_value());
    EXPECT_FALSE(StartupShortcut::DesktopEntry("/tmp/\xc3").has_value());          // cut short
    EXPECT_FALSE(StartupShortcut::DesktopEntry("/tmp/\xc0\xaf").has_value());      // overlong '/'
    EXPECT_FALSE(StartupShortcut::DesktopEntry("/tmp/\xed\xa0\x80").has_value());  // surrogate
}

TEST(StartupShortcutFile, CreateWritesTheEntryAndDeleteRemovesIt) {
    test::MemoryFileStore files;
    test::FakeStartupFolder folder;
    folder.path = "/home/ann/.config/autostart";
    StartupShortcut shortcut(files, folder, "/opt/My Apps/torvane");
    EXPECT_EQ(shortcut.ShortcutPath(), "/home/ann/.config/autostart/Torvane.desktop");

    ASSERT_TRUE(shortcut.Create());
    EXPECT_EQ(folder.makes, 1);
    const auto& bytes = files.files.at("/home/ann/.config/autostart/Torvane.desktop");
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(ExecValue(text), "\"/opt/My Apps/torvane\"");

    // Creating again replaces the one file.
    ASSERT_TRUE(shortcut.Create());
    EXPECT_EQ(files.files.size(), 1u);

    shortcut.Delete();
    EXPECT_TRUE(files.files.empty());
    shortcut.Delete();  // already gone: returns normally
    EXPECT_TRUE(files.files.empty());
    EXPECT_EQ(folder.makes, 2);  // deleting never makes the folder
}

TEST(StartupShortcutFile, FolderWithTrailingSlashAndFailedWrite) {
    test::MemoryFileStore files;
    test::FakeStartupFolder folder;
    folder.path = "/x/autostart/";
    StartupShortcut shortcut(files, folder, "/bin/torvane");
    EXPECT_EQ(shortcut.ShortcutPath(), "/x/autostart/Torvane.desktop");
    files.failWritesWith = FileWriteResult::CannotCreate;
    EXPECT_FALSE(shortcut.Create());

    StartupShortcut unwritable(files, folder, "/tmp/\x01/torvane");
    files.failWritesWith.reset();
    EXPECT_FALSE(unwritable.Create());
    EXPECT_EQ(files.writes, 1);  // the refused path wrote nothing
}

}  // namespace
}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "platform/DevicePaths.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "fakes/TempDir.h"

namespace torvane::test {
namespace {

TEST(DevicePaths, DevicePathsLieUnderTheRootAndHostPathsStayPut) {
    const DevicePaths paths("/dev-root/");
    EXPECT_EQ(paths.ToHostPath("\\My Documents\\autosave.blf"),
              "/dev-root/My Documents/autosave.blf");
    EXPECT_EQ(paths.ToHostPath("\\autosave.blf"), "/dev-root/autosave.blf");
    EXPECT_EQ(paths.ToHostPath("\\"), "/dev-root");
    EXPECT_EQ(paths.ToHostPath(""), "/dev-root");
    EXPECT_EQ(paths.ToHostPath("logs/run.blf"), "/dev-root/logs/run.blf");
    EXPECT_EQ(paths.ToHostPath("\\\\a//b\\.\\c\\"), "/dev-root/a/b/c");
    // A device path cannot climb out of the device root.
    EXPECT_EQ(paths.ToHostPath("\\..\\..\\etc\\passwd"), "/dev-root/etc/passwd");
    EXPECT_EQ(paths.ToHostPath("\\a\\..\\b"), "/dev-root/b");

    // A desktop path is used as it is: its backslashes are characters of its names.
    EXPECT_EQ(paths.ToHostPath("/home/ann/Q3\\run.blf"), "/home/ann/Q3\\run.blf");
    EXPECT_EQ(paths.ToHostPath("//tmp/../x"), "//tmp/../x");
    EXPECT_EQ(paths.ToHostPath("/"), "/");
}

TEST(DevicePaths, TheDeviceRootIsMadeWithMyDocumentsAndFindsNamesWithoutCase) {
    TempDir dir;
    const DevicePaths paths(dir / "device");
    std::string error;
    ASSERT_TRUE(paths.PrepareDeviceRoot(error)) << error;
    EXPECT_TRUE(std::filesystem::is_directory(dir / "device/My Documents"));
    EXPECT_TRUE(paths.PrepareDeviceRoot(error));

    // Written in another case, an existing folder is still found; new names keep theirs.
    EXPECT_EQ(paths.ToHostPath("\\my documents\\New.blf"), dir / "device/My Documents/New.blf");
    TempDir::Write(dir / "device/My Documents/Run.BLF", "x");
    EXPECT_EQ(paths.ToHostPath("\\MY DOCUMENTS\\run.blf"), dir / "device/My Documents/Run.BLF");

    TempDir::Write(dir / "blocked", "a file where the root should be");
    const DevicePaths blocked(dir / "blocked");
    EXPECT_FALSE(blocked.PrepareDeviceRoot(error));
    EXPECT_NE(error.find("My Documents"), std::string::npos);
}

}  // namespace
}  // namespace torvane::test

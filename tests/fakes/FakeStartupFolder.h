// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "platform/IStartupFolder.h"

namespace torvane::test {

class FakeStartupFolder : public IStartupFolder {
public:
    std::string Path() override { return path; }
    bool Make() override {
        ++makes;
        return true;
    }
    std::string path = "/home/user/.config/autostart";
    int makes = 0;
};

}  // namespace torvane::test

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

namespace torvane {

// The folder whose entries the desktop starts when the user logs in.
class IStartupFolder {
public:
    virtual ~IStartupFolder() = default;
    // Its host path, whether or not it exists yet.
    virtual std::string Path() = 0;
    // Makes the folder (and its parents) when missing; false when it cannot be made.
    virtual bool Make() = 0;
};

}  // namespace torvane

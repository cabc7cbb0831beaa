// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <string>

#include "platform/IStartupFolder.h"

namespace torvane {

// The XDG autostart folder ("autostart" under the user's configuration folder).
class XdgAutostartFolder : public IStartupFolder {
public:
    explicit XdgAutostartFolder(std::string folder);

    std::string Path() override;
    bool Make() override;

private:
    std::string m_path;
};

}  // namespace torvane

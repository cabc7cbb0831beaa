// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace torvane {

// The folder that imported logs go to, by plain file name. A new log is written in steps, so
// that many logs reach the disk with one flush: staged (written under a hidden name), flushed
// together with the other staged logs, then named.
class IImportFolder {
public:
    enum class Existing {
        Missing,
        Same,       // a file with exactly these bytes
        Different,  // anything else under that name, also what cannot be read: never replaced
    };
    enum class Named {
        Written,
        Taken,   // the name is taken (perhaps a moment ago); the staged log is still there
        Failed,  // `error` says why; the staged log is still there
    };

    virtual ~IImportFolder() = default;

    // Makes the folder when it is missing. False with the reason in `error`.
    virtual bool Make(std::string& error) = 0;
    virtual Existing Compare(const std::string& name, const std::vector<std::uint8_t>& bytes) = 0;

    // Writes a log meant for `name` under a hidden name, not yet flushed to disk, and gives its
    // handle in `staged`. False with the reason in `error`.
    virtual bool Stage(const std::string& name, const std::vector<std::uint8_t>& bytes,
                       std::string& staged, std::string& error) = 0;
    // Puts every staged log on the disk. False with the reason in `error`.
    virtual bool Flush(std::string& error) = 0;
    // Gives a flushed staged log its name, never in place of an existing file.
    virtual Named Name(const std::string& staged, const std::string& name, std::string& error) = 0;
    // Removes a staged log that got no name.
    virtual void Discard(const std::string& staged) = 0;
    // Puts the names given so far on the disk.
    virtual void Sync() = 0;

    // The file's path as the user can use it.
    virtual std::string PathOf(const std::string& name) const = 0;
};

}  // namespace torvane

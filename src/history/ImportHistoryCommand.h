// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <ostream>

#include "platform/CommandLine.h"
#include "platform/Environment.h"

namespace torvane {

// `torvane --import-history [FILE ...] [--into FOLDER]`: the power daemon's battery charge
// histories (the files named, or every history-charge-*.dat in the history folder of `env`)
// turned into battery logs, by default in the device folder \My Documents\History. Needs no
// display. Returns the exit status: 0 when at least one history was read and every log found
// is in place, 1 when no history could be read (one line on `err` says why) or a log could not
// be written.
int RunImportHistory(const CommandLineOptions& options, const Environment& env, std::ostream& out,
                     std::ostream& err);

}  // namespace torvane

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "fakes/FakePlatform.h"

namespace torvane::test {

MessageAnswer ScriptedMessageBox::Show(const std::string& text, MessageButtons kind) {
    shown.push_back(text);
    buttons.push_back(kind);
    if (whileOpen) {
        whileOpen();
    }
    if (!answers.empty()) {
        auto answer = answers.front();
        answers.pop_front();
        return answer;
    }
    return kind == MessageButtons::YesNo ? MessageAnswer::Yes : MessageAnswer::Ok;
}

}  // namespace torvane::test

// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

#include <QString>
#include <QWidget>

namespace torvane {

// A group box as the page templates mean it: an etched frame whose caption interrupts the top
// line, so the controls placed inside it by the template keep clear of the caption. It is
// only drawn; the controls it frames are its siblings.
class GroupFrame : public QWidget {
    Q_OBJECT
public:
    GroupFrame(const QString& caption, QWidget* parent);

    QString Caption() const { return m_strCaption; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_strCaption;
};

}  // namespace torvane

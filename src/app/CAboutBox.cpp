// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "app/CAboutBox.h"

#include <QLabel>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace torvane {

CAboutBox::CAboutBox(QWidget* parent) : QDialog(parent) {
    setWindowTitle("About");
    setModal(true);
    auto* layout = new QVBoxLayout(this);

    auto* banner = new QLabel(this);
    banner->setPixmap(QPixmap(":/torvane/banner.png"));
    banner->setAlignment(Qt::AlignCenter);
    layout->addWidget(banner);

    auto* name = new QLabel("Torvane", this);
    name->setAlignment(Qt::AlignCenter);
    QFont bold = name->font();
    bold.setBold(true);
    name->setFont(bold);
    layout->addWidget(name);

    auto* version = new QLabel("v1.12", this);
    version->setAlignment(Qt::AlignCenter);
    layout->addWidget(version);

    auto* close = new QPushButton("Close", this);
    close->setDefault(true);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(close, 0, Qt::AlignCenter);
}

}  // namespace torvane

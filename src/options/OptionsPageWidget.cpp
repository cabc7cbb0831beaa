// SPDX-FileCopyrightText: 2026 Quillmark <torvane@quillmark.com>
// SPDX-License-Identifier: GPL-3.0-or-later

#include "options/OptionsPageWidget.h"

#include <QBitmap>
#include <QCheckBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>

#include "options/CColourPicker.h"
#include "options/GroupFrame.h"
#include "options/SystemColours.h"
#include "options/UpDownControl.h"
#include "options/logic/OptionsControlIds.h"
#include "options/logic/UpDownLogic.h"
#include "qt/DialogUnits.h"

namespace torvane {

namespace {

// The page heading: bold, dark blue, with a rule under it that stops short of the picture.
constexpr COLORREF kHeadingColour = 0x9C0000;
constexpr int kHeadingLeft = 8;
constexpr int kHeadingBottom = 24;
constexpr int kRuleShortOfRight = 40;

QRect PixelRect(const TemplateRect& rect) {
    return DialogRect(rect.x, rect.y, rect.width, rect.height);
}

TemplateRect ToTemplateRect(const QRect& rect) {
    return {rect.x(), rect.y(), rect.width(), rect.height()};
}

QRect ToQRect(const TemplateRect& rect) {
    return QRect(rect.x, rect.y, rect.width, rect.height);
}

}  // namespace

OptionsPageWidget::OptionsPageWidget(const PageTemplate& pageTemplate,
                                     const BehaviourFactory& makeBehaviour, IMessageBox& messages,
                                     QWidget* parent)
    : QWidget(parent), m_template(pageTemplate), m_messages(messages) {
    setWindowTitle(QString::fromUtf8(pageTemplate.title));
    setFixedSize(DialogUnitsToPixels(pageTemplate.width), DialogUnitsToPixels(pageTemplate.height));
    CreateControls();
    m_pBehaviour = makeBehaviour(*this);
}

OptionsPageWidget::~OptionsPageWidget() {
    // The controls outlive the behaviour by a moment; nothing they do then may reach it.
    for (const auto& [id, widget] : m_controls) {
        widget->removeEventFilter(this);
    }
}

QSize OptionsPageWidget::sizeHint() const {
    return size();
}

void OptionsPageWidget::CreateControls() {
    QLineEdit* lastEdit = nullptr;
    for (const ControlTemplate& control : m_template.controls) {
        const QString text = QString::fromUtf8(control.text);
        QRect rect = PixelRect(control.rect);
        QWidget* widget = nullptr;
        switch (control.kind) {
            case ControlKind::Static: {
                auto* label = new QLabel(text, this);
                label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
                label->setWordWrap(true);
                widget = label;
                break;
            }
            case ControlKind::GroupBox:
                widget = new GroupFrame(text, this);
                break;
            case ControlKind::CheckBox: {
                auto* box = new QCheckBox(text, this);
                const int id = control.id;
                connect(box, &QCheckBox::clicked, this, [this, id] {
                    if (m_bInitialised) {
                        m_pBehaviour->OnClicked(id);
                    }
                });
                widget = box;
                break;
            }
            case ControlKind::Edit: {
                auto* edit = new QLineEdit(this);
                if (control.textLimit > 0) {
                    edit->setMaxLength(control.textLimit);
                }
                edit->installEventFilter(this);
                lastEdit = edit;
                widget = edit;
                break;
            }
            case ControlKind::UpDown: {
                if (lastEdit == nullptr) {
                    continue;
                }
                // The arrows take their place at the field's right edge, at its height.
                TemplateRect field = ToTemplateRect(lastEdit->geometry());
                TemplateRect arrows = ToTemplateRect(rect);
                AlignUpDownToBuddy(field, arrows);
                lastEdit->setGeometry(ToQRect(field));
                rect = ToQRect(arrows);
                widget = new UpDownControl(lastEdit, control.lower, control.upper,
                                           control.thousands, this);
                break;
            }
            case ControlKind::Picture: {
                // A picture control takes the size of its picture.
                // Its white background gives way to the page's own.
                QPixmap picture(QStringLiteral(":/torvane/page.png"));
                picture.setMask(picture.createMaskFromColor(Qt::white));
                auto* label = new QLabel(this);
                label->setPixmap(picture);
                rect.setSize(picture.size());
                widget = label;
                break;
            }
            case ControlKind::PushButton: {
                auto* button = new QPushButton(text, this);
                button->setAutoDefault(false);
                if (control.id == IDC_APPLY) {
                    connect(button, &QPushButton::clicked, this, [this] {
                        if (m_bInitialised) {
                            m_pBehaviour->OnApply();
                        }
                    });
                } else if (control.id == IDC_CLOSE) {
                    connect(button, &QPushButton::clicked, this,
                            &OptionsPageWidget::closeRequested);
                }
                widget = button;
                break;
            }
            case ControlKind::ColourPicker: {
                auto* picker = new CColourPicker(this, control.id);
                picker->setText(text);
                picker->AttachAt(rect, control.id);
                widget = picker;
                m_controls[control.id] = widget;
                continue;  // the picker has sized itself
            }
        }
        widget->setGeometry(rect);
        if (control.id != IDC_STATIC) {
            m_controls[control.id] = widget;
        }
    }
}

QWidget* OptionsPageWidget::Control(int id) const {
    auto it = m_controls.find(id);
    return it == m_controls.end() ? nullptr : it->second;
}

void OptionsPageWidget::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!m_bInitialised) {
        m_bInitialised = true;
        m_pBehaviour->OnInitDialog();
    }
}

void OptionsPageWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    QFont bold = font();
    bold.setWeight(QFont::Bold);
    painter.setFont(bold);
    painter.setPen(ToQColor(kHeadingColour));
    // The window's design width: the heading's room and the rule's length are measured on it.
    const QRect headingRect(kHeadingLeft, 0, kClientWidth - kHeadingLeft, kHeadingBottom);
    painter.drawText(headingRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                     QString::fromUtf8(m_template.heading));
    painter.setFont(font());
    // The rule ends one pixel short of the page's right edge, as the page's picture shows it.
    painter.fillRect(QRect(0, kHeadingBottom, kClientWidth - kRuleShortOfRight, 1), Qt::black);
}

bool OptionsPageWidget::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut && m_bInitialised) {
        // A context menu over the field is no leaving of it, and neither is another window
        // coming to the front, such as the box that a check opens.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason &&
            !m_bDisabling) {
            for (const auto& [id, widget] : m_controls) {
                if (widget == watched) {
                    m_bInFocusOut = true;
                    m_pBehaviour->OnKillFocus(id);
                    m_bInFocusOut = false;
                    break;
                }
            }
        }
    }
    return QWidget::eventFilter(watched, event);
}

bool OptionsPageWidget::IsChecked(int id) const {
    const auto* box = qobject_cast<QCheckBox*>(Control(id));
    return box != nullptr && box->isChecked();
}

void OptionsPageWidget::SetChecked(int id, bool checked) {
    if (auto* box = qobject_cast<QCheckBox*>(Control(id))) {
        box->setChecked(checked);
    }
}

std::string OptionsPageWidget::GetText(int id) const {
    const auto* edit = qobject_cast<QLineEdit*>(Control(id));
    return edit != nullptr ? edit->text().toStdString() : std::string();
}

void OptionsPageWidget::SetText(int id, const std::string& text) {
    if (auto* edit = qobject_cast<QLineEdit*>(Control(id))) {
        edit->setText(QString::fromStdString(text));
    }
}

void OptionsPageWidget::EnableControl(int id, bool enable) {
    if (QWidget* widget = Control(id)) {
        // A control the page disables passes the focus on, but the user did not leave it.
        m_bDisabling = !enable;
        widget->setEnabled(enable);
        m_bDisabling = false;
    }
}

void OptionsPageWidget::FocusControl(int id) {
    QWidget* widget = Control(id);
    if (widget == nullptr) {
        return;
    }
    const auto focus = [widget] {
        widget->setFocus(Qt::OtherFocusReason);
        if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
            edit->selectAll();
        }
    };
    if (m_bInFocusOut) {
        // The focus is still on its way to the control the user chose: it comes back once it
        // has arrived there, so the control that was left is not left a second time.
        QMetaObject::invokeMethod(widget, focus, Qt::QueuedConnection);
    } else {
        focus();
    }
}

COLORREF OptionsPageWidget::GetColour(int id) const {
    const auto* picker = qobject_cast<CColourPicker*>(Control(id));
    return picker != nullptr ? picker->GetColour() : 0;
}

void OptionsPageWidget::SetColour(int id, COLORREF colour) {
    if (auto* picker = qobject_cast<CColourPicker*>(Control(id))) {
        picker->SetColour(colour);
    }
}

void OptionsPageWidget::ShowMessage(const std::string& text) {
    m_messages.Show(text, MessageButtons::Ok);
}

}  // namespace torvane

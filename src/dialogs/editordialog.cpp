#include "dialogs/editordialog.h"

#include "ui/prompt.h"
#include "cup/cupdata.h"
#include "cup/errors.h"
#include "cup/notation.h"
#include "dialogs/cuptextvalidator.h"

#include <QBoxLayout>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTimer>

namespace rzv {

namespace {

// Focus moves caused by another window or a popup are not entering or leaving a field.
bool movesWithinDialog(const QFocusEvent* event) {
    return event->reason() != Qt::ActiveWindowFocusReason &&
           event->reason() != Qt::PopupFocusReason;
}

bool isTabKey(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    const auto* key = static_cast<const QKeyEvent*>(event);
    return (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) &&
           !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
}

} // namespace

TEditorDialog::TEditorDialog(TCupData& cup, Prompt& prompt, QWidget* parent)
    : QDialog(parent), m_cup(cup), m_prompt(prompt) {
    setModal(false);
}

void TEditorDialog::fieldEntered(QWidget* /*field*/) {}

bool TEditorDialog::fieldLeft(QWidget* /*field*/) {
    return true;
}

void TEditorDialog::watch(QWidget* field) {
    field->installEventFilter(this);
    m_fields.append(field);
}

void TEditorDialog::leaveFocusedField() {
    QWidget* focused = focusWidget();
    for (QWidget* field : std::as_const(m_fields))
        if (focused && (field == focused || field->isAncestorOf(focused))) fieldLeftGuarded(field);
}

bool TEditorDialog::fieldLeftGuarded(QWidget* field) {
    bool mayLeave = true;
    guarded([&] { mayLeave = fieldLeft(field); });
    return mayLeave;
}

QLineEdit* TEditorDialog::textField(const char* name, int maxLength, int shownChars) {
    auto* field = new QLineEdit(this);
    field->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0) field->setMaxLength(maxLength);
    field->setValidator(new CupTextValidator(field));
    field->setFixedWidth(field->fontMetrics().averageCharWidth() * shownChars + 12);
    return field;
}

QLayout* TEditorDialog::labelled(const QString& label, std::initializer_list<QWidget*> fields) {
    auto* group = new QVBoxLayout;
    group->setSpacing(2);
    auto* caption = new QLabel(label);
    caption->setBuddy(*fields.begin());
    group->addWidget(caption);
    auto* line = new QHBoxLayout;
    for (QWidget* field : fields)
        line->addWidget(field);
    line->addStretch();
    group->addLayout(line);
    return group;
}

QLayout* TEditorDialog::sideBySide(std::initializer_list<QLayout*> groups) {
    auto* line = new QHBoxLayout;
    for (QLayout* group : groups)
        line->addLayout(group);
    line->addStretch();
    return line;
}

QSpinBox* TEditorDialog::spinner(const char* name, int minimum, int maximum, int start) {
    auto* box = new QSpinBox(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setRange(minimum, maximum);
    box->setValue(start);
    if (auto* edit = box->findChild<QLineEdit*>()) edit->setReadOnly(true);
    box->setMaximumWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("0000")) + 40);
    return box;
}

QPushButton* TEditorDialog::button(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption, this);
    button->setObjectName(QString::fromLatin1(name));
    button->setAutoDefault(false);
    return button;
}

void TEditorDialog::connectClicked(QPushButton* button, std::function<void()> handler) {
    connect(button, &QPushButton::clicked, this,
            [this, handler = std::move(handler)] { guarded(handler); });
}

void TEditorDialog::present() {
    show();
    raise();
    activateWindow();
}

void TEditorDialog::fixSize() {
    layout()->setSizeConstraint(QLayout::SetFixedSize);
}

void TEditorDialog::guarded(const std::function<void()>& operation) {
    const Prompt::Owner asking(m_prompt, this);
    runOperation(operation, [this](const QString& message) { m_prompt.error(message); });
}

void TEditorDialog::entryGone(const QString& what) {
    m_prompt.notice(what + QStringLiteral(" ist nicht mehr vorhanden!\r\n") +
                    QStringLiteral("Die Änderungen wurden nicht gespeichert."));
    hide();
}

bool TEditorDialog::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QWidget*>(watched);
    if (!field || !m_fields.contains(field)) return QDialog::eventFilter(watched, event);
    if (isTabKey(event)) {
        if (!fieldLeftGuarded(field)) return true;
        m_leftByKey = field;
    } else if (event->type() == QEvent::FocusIn) {
        // The focus may have moved on while another window was active: a Tab after a question
        // box, which takes the activation until the desktop hands it back.
        const bool entered = movesWithinDialog(static_cast<QFocusEvent*>(event)) ||
                             (m_focusWhenInactive && m_focusWhenInactive != field);
        m_leftByKey = nullptr;
        m_focusWhenInactive = nullptr;
        if (entered) guarded([&] { fieldEntered(field); });
    } else if (event->type() == QEvent::FocusOut) {
        const bool alreadyLeft = m_leftByKey == field;
        m_leftByKey = nullptr;
        if (!movesWithinDialog(static_cast<QFocusEvent*>(event))) {
            m_focusWhenInactive = field;
        } else if (!alreadyLeft && isVisible() && !fieldLeftGuarded(field)) {
            QTimer::singleShot(0, field, [field] { field->setFocus(Qt::OtherFocusReason); });
        }
    }
    return QDialog::eventFilter(watched, event);
}

int readIntOr(const QString& text, int fallback) {
    return readInt(text).value_or(fallback);
}

} // namespace rzv

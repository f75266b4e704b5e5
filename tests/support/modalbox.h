#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QMessageBox>
#include <QTest>
#include <QTimer>

#include <functional>
#include <type_traits>

namespace rzv::test {

// Runs `inspect` on the desktop's next modal box or dialog as soon as it is shown (the event loop
// may run before it comes, while keys are typed).
template <typename Box = QMessageBox>
void whenBoxShows(const std::function<void(std::type_identity_t<Box>&)>& inspect) {
    auto* poll = new QTimer(QCoreApplication::instance());
    QObject::connect(poll, &QTimer::timeout, poll, [poll, inspect] {
        auto* box = qobject_cast<Box*>(QApplication::activeModalWidget());
        if (!box || !box->isVisible()) return;
        poll->stop();
        poll->deleteLater();
        inspect(*box);
    });
    poll->start(5);
}

// The button of a box by its text, or none.
inline QAbstractButton* boxButton(const QMessageBox& box, const QString& text) {
    for (QAbstractButton* button : box.buttons())
        if (button->text() == text) return button;
    return nullptr;
}

} // namespace rzv::test

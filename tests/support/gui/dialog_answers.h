#pragma once
// Answering the editor's own dialogs as the user would: a test waits, from
// the event loop, until the dialog with an object name is shown, then acts.

#include <QApplication>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <functional>

namespace tarvo::app::test {

// How often the event loop looks for the awaited dialog or state.
inline constexpr int kDialogPollMs = 50;

// Calls act once done() holds, checking every kDialogPollMs from the loop.
inline void whenReady(QObject* context, std::function<bool()> done, std::function<void()> act)
{
    auto* timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, context, [timer, done = std::move(done), act = std::move(act)] {
        if (!done())
            return;
        timer->stop();
        timer->deleteLater();
        act();
    });
    timer->start(kDialogPollMs);
}

// Calls act once with the dialog named objectName, when it is shown and
// ready() holds.
template <typename Dialog>
void whenShown(QObject* context, const QString& objectName, std::function<bool(Dialog&)> ready,
               std::function<void(Dialog&)> act)
{
    auto* timer = new QTimer(context);
    QObject::connect(timer, &QTimer::timeout, context, [=] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            auto* dialog = qobject_cast<Dialog*>(window);
            if (dialog == nullptr || dialog->objectName() != objectName || !dialog->isVisible() ||
                (ready && !ready(*dialog)))
                continue;
            timer->stop();
            timer->deleteLater();
            act(*dialog);
            return;
        }
    });
    timer->start(kDialogPollMs);
}

} // namespace tarvo::app::test

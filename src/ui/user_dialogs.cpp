#include "ui/user_dialogs.h"

#include <QApplication>
#include <QFileDialog>

namespace tarvo::ui {

namespace {

struct Script {
    bool on = false;
    QList<QMessageBox::StandardButton> answers;
    QStringList fileNames;
    QList<UserDialogs::Shown> shown;
};

Script& script()
{
    static Script state;
    return state;
}

QMessageBox::Icon boxIcon(UserDialogs::Icon icon)
{
    switch (icon) {
    case UserDialogs::Icon::Information:
        return QMessageBox::Information;
    case UserDialogs::Icon::Exclamation:
        return QMessageBox::Warning;
    case UserDialogs::Icon::Error:
        return QMessageBox::Critical;
    case UserDialogs::Icon::None:
    case UserDialogs::Icon::Application:
        break;
    }
    return QMessageBox::NoIcon;
}

QString takeFileName(const QString& kind, const QString& caption, const QString& folder)
{
    script().shown.append({kind, caption, folder});
    return script().fileNames.isEmpty() ? QString() : script().fileNames.takeFirst();
}

} // namespace

void UserDialogs::message(QWidget* parent, const QString& caption, const QString& shownText, Icon icon)
{
    const QString& text = shownText;
    if (script().on) {
        script().shown.append({QStringLiteral("message"), caption, text, icon});
        return;
    }
    QMessageBox box(boxIcon(icon), caption, text, QMessageBox::Ok, parent);
    if (icon == Icon::Application)
        box.setIconPixmap(QApplication::windowIcon().pixmap(48, 48));
    box.exec();
}

QMessageBox::StandardButton UserDialogs::ask(QWidget* parent, const QString& caption,
                                             const QString& shownText, QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    const QString& text = shownText;
    if (script().on) {
        script().shown.append({QStringLiteral("ask"), caption, text});
        return script().answers.isEmpty() ? defaultButton : script().answers.takeFirst();
    }
    QMessageBox box(QMessageBox::Question, caption, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

QString UserDialogs::openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                  const QString& filter)
{
    if (script().on)
        return takeFileName(QStringLiteral("open"), caption, folder);
    return QFileDialog::getOpenFileName(parent, caption, folder, filter);
}

QString UserDialogs::saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                  const QString& filter)
{
    if (script().on)
        return takeFileName(QStringLiteral("save"), caption, folder);
    return QFileDialog::getSaveFileName(parent, caption, folder, filter);
}

void UserDialogs::setScripted(bool scripted)
{
    script().on = scripted;
}

bool UserDialogs::scripted()
{
    return script().on;
}

void UserDialogs::queueAnswer(QMessageBox::StandardButton answer)
{
    script().answers.append(answer);
}

void UserDialogs::queueFileName(const QString& path)
{
    script().fileNames.append(path);
}

const QList<UserDialogs::Shown>& UserDialogs::shown()
{
    return script().shown;
}

void UserDialogs::reset()
{
    script().answers.clear();
    script().fileNames.clear();
    script().shown.clear();
}

} // namespace tarvo::ui

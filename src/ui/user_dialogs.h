#pragma once
// Every message box and file dialog of the editor goes through these static
// calls. In scripted mode (tests) nothing is shown: each call is recorded,
// questions take the next queued answer (else their default button) and file
// dialogs the next queued name (else none, as if cancelled).

#include <QList>
#include <QMessageBox>
#include <QString>
#include <QStringList>

namespace tarvo::ui {

class UserDialogs {
public:
    enum class Icon { None, Information, Exclamation, Error, Application };

    // A message with one OK button. A null parent shows it without an owner.
    static void message(QWidget* parent, const QString& caption, const QString& text,
                        Icon icon = Icon::Exclamation);
    // A question; the button pressed (defaultButton when scripted with no answer).
    static QMessageBox::StandardButton ask(QWidget* parent, const QString& caption, const QString& text,
                                           QMessageBox::StandardButtons buttons,
                                           QMessageBox::StandardButton defaultButton);
    // File dialogs; an empty name when cancelled.
    static QString openFileName(QWidget* parent, const QString& caption, const QString& folder,
                                const QString& filter);
    static QString saveFileName(QWidget* parent, const QString& caption, const QString& folder,
                                const QString& filter);

    // --- Scripted mode --------------------------------------------------------
    struct Shown {
        QString kind; // "message", "ask", "open", "save"
        QString caption;
        QString text;           // the message, or the folder a file dialog opened in
        Icon icon = Icon::None; // of a message
    };
    static void setScripted(bool scripted);
    static bool scripted();
    static void queueAnswer(QMessageBox::StandardButton answer);
    static void queueFileName(const QString& path);
    static const QList<Shown>& shown();
    // Clears what was shown and the answers not used.
    static void reset();
};

} // namespace tarvo::ui

#pragma once
// "Launch Halvard Server" while the launch waits: what it waits for, a busy
// bar and Cancel. Window-modal over the main window, so the other windows
// and documents stay usable. It only shows: Cancel, Escape and the close
// command are reported through cancelRequested().

#include "server/server_launch.h"

#include <QDialog>

class QLabel;
class QPushButton;

namespace tarvo::server {

class LaunchProgressDialog final : public QDialog {
    Q_OBJECT
public:
    explicit LaunchProgressDialog(QWidget* parent = nullptr);

    void showStep(LaunchStep step);
    QString stepText() const;
    QPushButton* cancelButton() const { return m_cancel; }

Q_SIGNALS:
    void cancelRequested();

protected:
    void reject() override;
    void closeEvent(QCloseEvent* event) override;

private:
    QLabel* m_step = nullptr;
    QPushButton* m_cancel = nullptr;
};

} // namespace tarvo::server

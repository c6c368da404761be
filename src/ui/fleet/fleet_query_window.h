#pragma once
// Query Several Keyboards: a query on each chosen keyboard at once, in one
// window. A row per keyboard (COM number, device, keyboard identity, result)
// with its slots under it as the one-keyboard Query shows them, Cancel per
// row and Cancel all (a query writes nothing, so nothing is asked), and the
// whole list as text for the clipboard. A keyboard that fails fails alone.

#include "serial/comm_settings.h"

#include <QDialog>
#include <QString>

#include <memory>
#include <vector>

class QPushButton;
class QTreeWidget;

namespace tarvo::ui {

class FleetQueryWindow final : public QDialog {
    Q_OBJECT
public:
    // ports: 0-based COM ports; settings: the line settings each keyboard is
    // queried with, on its own port.
    FleetQueryWindow(std::vector<int> ports, const serial::CommSettings& settings, QWidget* parent = nullptr);
    ~FleetQueryWindow() override;

    // Starts every keyboard's query (from the loop, once the window shows).
    void start();
    bool finished() const { return m_running == 0 && m_started; }
    // The rows and their slots as text; complete once finished.
    QString resultText() const;

    QTreeWidget* rows() const { return m_rows; }
    QPushButton* cancelButton(int row) const;
    QPushButton* cancelAllButton() const { return m_cancelAll; }
    QPushButton* copyButton() const { return m_copy; }
    QPushButton* closeButton() const { return m_close; }

    void reject() override;

private:
    class Keyboard;

    void cancelAll();
    void keyboardEnded();

    QTreeWidget* m_rows;
    std::vector<std::unique_ptr<Keyboard>> m_keyboards;
    QPushButton* m_cancelAll;
    QPushButton* m_copy;
    QPushButton* m_close;
    int m_running = 0;
    bool m_started = false;
};

} // namespace tarvo::ui

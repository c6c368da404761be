#pragma once
// The COM ports of several keyboards, chosen in one list: a check box per
// COM number with its device (a network address included) and whether that
// device is present now. The choice is remembered for the next time.

#include <QDialog>

#include <vector>

class QTableWidget;
class QPushButton;

namespace tarvo::ui {

// What the chosen keyboards are for: the caption and the start button say it.
enum class FleetPurpose { Download, Query };

class FleetPortDialog final : public QDialog {
    Q_OBJECT
public:
    explicit FleetPortDialog(QWidget* parent = nullptr, FleetPurpose purpose = FleetPurpose::Download);

    // The ticked COM ports, 0-based, in COM order.
    std::vector<int> chosenPorts() const;
    QTableWidget* list() const { return m_list; }
    QPushButton* startButton() const { return m_start; }

    void accept() override;

private:
    void updateStart();

    QTableWidget* m_list;
    QPushButton* m_start;
};

// The COM ports (0-based) chosen the last time, in COM order.
std::vector<int> rememberedFleetPorts();
void rememberFleetPorts(const std::vector<int>& ports);

} // namespace tarvo::ui

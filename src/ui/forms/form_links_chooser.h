#pragma once
// The Links chooser: one button per menu that links to the current menu,
// for the "back" entries when more than one menu leads here. A click closes
// it with that menu; Cancel or Close with none.

#include <QDialog>

#include <optional>
#include <utility>
#include <vector>

class QPushButton;

namespace tarvo::ui {

class LinksChooser final : public QDialog {
    Q_OBJECT
public:
    // menus: (number, softkey name), ascending; anchor: the button it opens over.
    LinksChooser(const std::vector<std::pair<int, QString>>& menus, const QFont& font, QWidget* anchor);

    std::optional<int> chosenMenu() const { return m_chosen; }
    // The menu buttons, top to bottom.
    const std::vector<QPushButton*>& menuButtons() const { return m_buttons; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* m_anchor = nullptr;
    std::vector<QPushButton*> m_buttons;
    std::optional<int> m_chosen;
};

} // namespace tarvo::ui

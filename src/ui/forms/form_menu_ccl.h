#pragma once
// The script menu editors: CS1_Form_MenuMainCCL for menu 80 and
// CS1_Form_MenuSubCCL for menus 81-95. Both show the menu's 14 entries as
// the keyboard's display does, entries 1-7 down the left column and 8-14
// down the right, each with its text lines and, where the row has them, its
// action controls: MACRO, camera, monitor, off and the macro number on the
// first line, LINK and the navigate button (the target menu's name) on the
// second. What the rows show and what the buttons and commit store are the
// core's entry rules (document/menu_entry_rules.h, entry_editor.h).

#include "ui/forms/form_base_view.h"

#include <array>
#include <vector>

namespace tarvo::model {
struct MenuEntry;
}

namespace tarvo::ui {

class CBitmapButtonPushlike;
class CCallbackButton;
class CEditKFont1;
class FormRegistry;

class CS1_Form_MenuCCL : public CS1_Form_BaseView {
    Q_OBJECT
public:
    enum Column : int {
        kColSpacer = 0,
        kColLine1 = 1,
        kColLine2 = 2,
        kColLine3 = 3,
        kColActionFrame = 4,
        kColLinkFrame = 5,
        kColMacro = 6,
        kColCamera = 7,
        kColMonitor = 8,
        kColOff = 9,
        kColNumber = 10,
        kColLink = 11,
        kColNavigate = 12,
        kColumnCount = 13,
    };
    static constexpr int kRowCount = 14;

    int Menu() const { return m_menu; }
    bool IsMainForm() const { return m_mainForm; }

    // The controls of entry n (1-14); nullptr where the row has none.
    CEditKFont1* LineEdit(int entry, int line) const;
    CEditKFont1* NumberEdit(int entry) const;
    CBitmapButtonPushlike* PictureButton(int entry, int column) const;
    CCallbackButton* NavigateButton(int entry) const;

protected:
    CS1_Form_MenuCCL(const FormContext& context, QWidget* parent, bool mainForm);
    ~CS1_Form_MenuCCL() override;

    void InitFormContext() override;
    int GetRowCount() const override { return kRowCount; }
    int GetColumnCount(int) const override { return kColumnCount; }
    int GetColumnType(int column) const override;
    void CreateRow(int row) override;
    QFont GetColumnFont(int column) const override;
    void SetupControl(QWidget& control, int row, int column) override;
    void MeasureControls() override;
    void PositionControls() override;
    int GetTabColumn(int position) const override;
    void RequestCharacterEntry(CEditKFont1& edit) override;
    QRect AdjustRowRect(int row, const QRect& rect) const override;
    bool Commit(bool report) override;
    void FillRow(int row, bool refresh) override;
    void OnButtonClick(QWidget& button) override;
    void ClearModified() override;

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // What the user changed in a row since the last commit.
    struct RowState {
        bool textDirty = false;
        bool numberDirty = false;
        bool actionChanged = false;
        bool linesEnabled = false; // the text edits take typing
    };

    static int EntryOf(int row) { return row + 1; }
    bool RowHasColumn(int row, int column) const;
    int LineCount() const;
    model::MenuEntry ReadEntry(int entry) const;
    void FillLines(int row, const model::MenuEntry& entry, bool refresh);
    void FillNumber(int row, const model::MenuEntry& entry);
    void FillButtons(int row, const model::MenuEntry& entry);
    void FillNavigate(int row, const model::MenuEntry& entry);
    void FitNumberEdit(int row);
    QString MenuName(int menu) const;
    void Navigate(int row);
    void OnTextChanged(QWidget& edit);
    void RefuseReadOnly();

    int m_menu = 0;
    bool m_mainForm = false;
    bool m_filling = false;
    std::array<RowState, kRowCount> m_rows{};
    int m_navigateWidth = 0;
};

class CS1_Form_MenuMainCCL final : public CS1_Form_MenuCCL {
    Q_OBJECT
public:
    CS1_Form_MenuMainCCL(const FormContext& context, QWidget* parent);
};

class CS1_Form_MenuSubCCL final : public CS1_Form_MenuCCL {
    Q_OBJECT
public:
    CS1_Form_MenuSubCCL(const FormContext& context, QWidget* parent);
};

// Registers both forms for node kinds 8 and 9.
void registerScriptMenuForms(FormRegistry& forms);

} // namespace tarvo::ui

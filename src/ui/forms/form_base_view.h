#pragma once
// CS1_Form_BaseView: the base of every editing form in the right-hand pane.
// A form describes itself as a grid of rows and columns through the hooks
// below; the base creates the controls, keeps a registry of them by (row,
// column), reads the form's context from the document and its selection
// record, lays the grid out in a scrolling canvas, keeps the focused row
// visible, routes the controls' callbacks back to the form, and commits the
// form's edits when asked (before saves, transfers and closing) and when the
// form goes.

#include "ui/forms/form_pane.h"

#include <QHash>
#include <QPointer>
#include <QRect>

#include <array>
#include <optional>

class QScrollArea;

namespace tarvo::model {
class CS1_LangTable;
}
namespace tarvo::document {
class LinkIndexEntry;
}

namespace tarvo::ui {

class CEditKFont1;

class CS1_Form_BaseView : public FormPane {
    Q_OBJECT
public:
    // The control a column holds.
    enum ControlType : int {
        kControlStatic = 0,
        kControlEdit = 1,           // CEditKFont1
        kControlCallbackButton = 2, // CCallbackButton
        kControlPictureButton = 3,  // CBitmapButtonPushlike
        kControlFrame = 4,          // FormFrame
    };
    static constexpr int kMaxRows = 1024;
    static constexpr int kMaxColumns = 16;

    struct ControlPlace {
        int row = 0;
        int column = 0;
        int type = kControlStatic;
    };

    CS1_Form_BaseView(const FormContext& context, QWidget* parent);
    // The concrete form commits in its own destructor (its hooks are gone here).
    ~CS1_Form_BaseView() override;

    // FormPane: stores the pending edits; false (and the reason shown) when
    // one cannot be stored.
    bool commitEdits() override;
    // Re-measures and re-places the grid (F5, window state changes).
    void refreshForm() override;
    void Relayout();

    // The registry.
    QWidget* ControlAt(int row, int column) const;
    std::optional<ControlPlace> PlaceOf(const QWidget* control) const;
    // The caption shortened with three middle dots to fit width pixels.
    static QString FitCaption(const QString& caption, const QFontMetrics& metrics, int width);

    bool IsLoaded() const { return m_loaded; }
    bool IsNavigating() const { return m_navigating; }
    int FontNumber() const { return m_font; }
    bool ReadOnly() const { return m_readOnly; }
    // Why a table without its read-only flag cannot be edited; empty otherwise.
    const QString& ReadOnlyReason() const { return m_readOnlyReason; }
    int TableIndex() const { return m_tableIndex; }
    int DocumentNumber() const;
    QScrollArea* ScrollArea() const { return m_scroll; }

protected:
    // Reads the context and builds the grid. The concrete form calls it at
    // the end of its constructor, once its hooks exist.
    void Load();

    // --- Hooks, in the order loading calls them ---------------------------------
    virtual void InitFormContext() {}
    virtual int GetRowCount() const = 0;
    virtual int GetColumnCount(int row) const = 0;
    virtual int GetColumnType(int column) const = 0;
    virtual void CreateRow(int row) = 0;
    virtual void AfterCreate() {}
    virtual QFont GetColumnFont(int column) const;
    virtual void SetupControl(QWidget& control, int row, int column) = 0;
    // Sizes the controls (fonts and limits are known by now).
    virtual void MeasureControls() {}
    // Puts the controls into the canvas's layout.
    virtual void PositionControls() = 0;
    virtual void ShowControls(bool show);
    // The column at a position of a row's tab order; -1 past the end.
    virtual int GetTabColumn(int position) const = 0;
    virtual void RequestCharacterEntry(CEditKFont1& edit) = 0;
    // The rectangle (canvas coordinates) that must be visible for a row.
    virtual QRect AdjustRowRect(int /*row*/, const QRect& rect) const { return rect; }
    // Writes the form back to the table; report shows why a row could not be stored.
    virtual bool Commit(bool report) = 0;
    virtual void FillRow(int row, bool refresh) = 0;
    virtual void OnButtonClick(QWidget& button) = 0;
    virtual void ClearModified() = 0;

    // --- Services -----------------------------------------------------------------
    // Creates a control of type at (row, column), registered, hidden, on the canvas.
    QWidget* CreateControl(int type, int row, int column);
    QWidget* Canvas() const { return m_canvas; }
    model::CS1_LangTable* Table() const { return m_table; }
    const document::LinkIndexEntry* LinkIndex() const;
    void MarkDocumentModified();
    // The row's rectangle on the canvas: the union of its visible controls.
    QRect RowRect(int row) const;
    // Scrolls so that row is wholly visible (as far as needed).
    void KeepRowVisible(int row);
    // Asks for menu's node to be opened (navigateRequested); the window does
    // it once the current event is done, and the form it destroys ignores
    // its controls until then.
    void NavigateToMenu(int menu);
    void ApplyTabOrder();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void OnFocusChanged(QWidget* now);
    void RouteClick(QWidget& control);

    QScrollArea* m_scroll = nullptr;
    QWidget* m_canvas = nullptr;
    // Ended in the destructor: QWidget's own destructor moves the focus away
    // from the children, and the form is no longer one by then.
    QMetaObject::Connection m_focusConnection;
    QHash<const QWidget*, ControlPlace> m_placeOf;
    QHash<int, QWidget*> m_controlAt; // key row * kMaxColumns + column
    model::CS1_LangTable* m_table = nullptr;
    int m_tableIndex = 0;
    int m_font = 0;
    bool m_readOnly = false;
    QString m_readOnlyReason;
    bool m_loaded = false;
    bool m_navigating = false;
};

} // namespace tarvo::ui

#pragma once
// CS1_ChildFrame: the window of one open document inside the main window's
// MDI area. It owns the document (whose number goes back to the pool with
// it) and hosts the CS1_View. Its title is the document's, marked while the
// document is modified.

#include "ui/forms/form_pane.h"

#include <QList>
#include <QMdiSubWindow>

class QMdiArea;

#include <functional>
#include <memory>

namespace tarvo::document {
class CS1_Doc;
}

namespace tarvo::ui {

class CS1_View;
class FormRegistry;

class CS1_ChildFrame final : public QMdiSubWindow {
    Q_OBJECT
public:
    // context.doc is replaced by the owned document; forms outlives the window.
    CS1_ChildFrame(std::unique_ptr<document::CS1_Doc> doc, FormContext context, const FormRegistry& forms,
                   QWidget* parent = nullptr);
    ~CS1_ChildFrame() override;

    document::CS1_Doc& document() { return *m_doc; }
    const document::CS1_Doc& document() const { return *m_doc; }
    CS1_View* view() const { return m_view; }

    // The title and its modified mark, from the document.
    void updateTitle();

    // Asked when the window is closed, after the form has committed its
    // edits; returning false keeps the window open (the save prompt).
    using CloseGuard = std::function<bool(CS1_ChildFrame& frame)>;
    void setCloseGuard(CloseGuard guard) { m_closeGuard = std::move(guard); }
    // Closes without asking (the caller has already asked).
    void closeWithoutAsking();

Q_SIGNALS:
    // The document's modified state, selection or tables changed.
    void stateChanged();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<document::CS1_Doc> m_doc;
    CS1_View* m_view = nullptr;
    CloseGuard m_closeGuard;
    bool m_skipGuard = false;
};

// The document windows of area, in its order.
QList<CS1_ChildFrame*> childFrames(const QMdiArea& area);

} // namespace tarvo::ui

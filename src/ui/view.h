#pragma once
// CS1_View: fills a document window and owns its splitter: the tree on the
// left, the form of the selected node on the right. A new form is made on
// every change of node; the old one commits its edits and goes.

#include "ui/forms/form_pane.h"

#include <QSplitter>
#include <QWidget>

namespace tarvo::ui {

class CS1_TreeView;
class FormRegistry;

// One row, two columns: tree and form.
class CS1_SplitterWnd final : public QSplitter {
    Q_OBJECT
public:
    explicit CS1_SplitterWnd(QWidget* parent);
};

class CS1_View final : public QWidget {
    Q_OBJECT
public:
    // forms: makes the form of each node kind; it outlives the view.
    CS1_View(const FormContext& context, const FormRegistry& forms, QWidget* parent = nullptr);
    ~CS1_View() override;

    CS1_TreeView* tree() const { return m_tree; }
    FormPane* form() const { return m_form; }
    CS1_SplitterWnd* splitter() const { return m_splitter; }
    const FormContext& context() const { return m_context; }

    // Has the form store its pending edits into the document.
    bool commitForm();
    // Has the form reload what it shows (F5).
    void refreshForm();
    // Replaces the form by a new one for kind; an unknown kind changes nothing.
    void showForm(int kind);
    // Moves the focus from the tree to the form or back (F6, Shift+F6).
    void switchPane();

Q_SIGNALS:
    void documentEdited();
    // The node whose form is shown changed (the command enablers follow it).
    void selectionChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void placeSplitter(int width);
    void connectForm();

    FormContext m_context;
    const FormRegistry& m_forms;
    CS1_SplitterWnd* m_splitter = nullptr;
    CS1_TreeView* m_tree = nullptr;
    FormPane* m_form = nullptr;
    bool m_splitterPlaced = false;
    int m_treeWidth = 0;
};

} // namespace tarvo::ui

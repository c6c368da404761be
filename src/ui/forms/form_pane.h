#pragma once
// The right-hand pane of a document window: the form shown for the node
// selected in the tree. Forms read their table and menu from the document's
// selection record, and store pending edits into the document when asked to
// commit (before every save prompt, save and transfer, and when they go).

#include "ui/tree/selection_record.h"
#include "ui/widgets/ui_fonts.h"

#include <QWidget>

namespace tarvo::document {
class CS1_Doc;
}

namespace tarvo::ui {

// What a form is made for: the document, its selection record and the fonts.
struct FormContext {
    document::CS1_Doc* doc = nullptr;
    SelectionRecord* selection = nullptr;
    const UiFonts* fonts = nullptr;
};

class FormPane : public QWidget {
    Q_OBJECT
public:
    FormPane(const FormContext& context, QWidget* parent) : QWidget(parent), m_context(context)
    {
        // The pane can take the focus (F6) even while it shows nothing.
        setFocusPolicy(Qt::StrongFocus);
    }

    // Stores pending edits into the document. False when an edit cannot be
    // stored (the form says why); the caller then does not go on.
    virtual bool commitEdits() { return true; }
    // Reloads what the form shows from the document (F5, window state changes).
    virtual void refreshForm() { update(); }

    const FormContext& context() const { return m_context; }

Q_SIGNALS:
    // An edit changed the document (it is marked modified).
    void documentEdited();
    // The form asks for menu's node to be opened; the window holding it answers.
    void navigateRequested(int menu);

private:
    FormContext m_context;
};

} // namespace tarvo::ui

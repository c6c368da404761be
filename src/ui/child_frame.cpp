#include "ui/child_frame.h"

#include "document/doc.h"
#include "platform/text.h"
#include "ui/view.h"

#include <QCloseEvent>
#include <QMdiArea>

namespace tarvo::ui {

CS1_ChildFrame::CS1_ChildFrame(std::unique_ptr<document::CS1_Doc> doc, FormContext context,
                               const FormRegistry& forms, QWidget* parent)
    : QMdiSubWindow(parent), m_doc(std::move(doc))
{
    setObjectName(QStringLiteral("CS1_ChildFrame"));
    setAttribute(Qt::WA_DeleteOnClose);
    context.doc = m_doc.get();
    m_view = new CS1_View(context, forms, this);
    setWidget(m_view);
    connect(m_view, &CS1_View::documentEdited, this, [this] {
        updateTitle();
        Q_EMIT stateChanged();
    });
    connect(m_view, &CS1_View::selectionChanged, this, &CS1_ChildFrame::stateChanged);
    updateTitle();
}

CS1_ChildFrame::~CS1_ChildFrame()
{
    // The view and its form go before the document they point to.
    delete m_view;
    m_view = nullptr;
}

void CS1_ChildFrame::updateTitle()
{
    setWindowTitle(platform::toQString(m_doc->title()) + QStringLiteral("[*]"));
    const bool markChanges = isWindowModified() != m_doc->isModified();
    setWindowModified(m_doc->isModified());
    // The main window shows the mark of a maximised window in its own title.
    if (markChanges)
        Q_EMIT stateChanged();
}

void CS1_ChildFrame::closeWithoutAsking()
{
    m_skipGuard = true;
    close();
    m_skipGuard = false;
}

void CS1_ChildFrame::closeEvent(QCloseEvent* event)
{
    if (!m_skipGuard) {
        // The form's close hook first, so the prompt sees every edit; an
        // edit the form cannot store keeps the window open.
        const bool committed = m_view->commitForm();
        updateTitle();
        if (!committed || (m_closeGuard && !m_closeGuard(*this))) {
            event->ignore();
            return;
        }
    }
    QMdiSubWindow::closeEvent(event);
}

QList<CS1_ChildFrame*> childFrames(const QMdiArea& area)
{
    QList<CS1_ChildFrame*> list;
    for (QMdiSubWindow* window : area.subWindowList())
        if (auto* frame = qobject_cast<CS1_ChildFrame*>(window))
            list.append(frame);
    return list;
}

} // namespace tarvo::ui

#pragma once
// EditorWorkspace: what the editor's command classes work on. The main window
// holds one; every command class takes it instead of reaching for the window
// or the application object, so that a command sees only the documents, the
// port, the catalogue and the folders, and says through documentChanged when
// it has changed a document.

#include <QObject>
#include <QString>

#include <cstdint>
#include <memory>

class QWidget;

namespace tarvo::document {
class CS1_Doc;
class DocumentNumberPool;
} // namespace tarvo::document
namespace tarvo::serial {
class CCommPort;
}
namespace tarvo::templates {
class TemplateCatalogue;
}

namespace tarvo::ui {

class CS1_ChildFrame;

// What a command changed in a document: its settings only (the title and the
// enablers follow), its tables (the tree is built again as well), or a
// transfer with it ended (the tree starts again from its root: the form that
// was open may show what the transfer replaced).
enum class DocumentChange { Settings, Tables, TransferEnded };

class EditorWorkspace : public QObject {
    Q_OBJECT
public:
    using QObject::QObject;
    ~EditorWorkspace() override = default;

    // The window that owns the commands' actions and parents their dialogs.
    virtual QWidget* window() const = 0;
    // The caption of the commands' messages.
    virtual QString caption() const = 0;
    // The Debug tools exist only then.
    virtual bool diagnosticMode() const = 0;

    // --- Documents ---------------------------------------------------------------
    virtual CS1_ChildFrame* activeFrame() const = 0;
    document::CS1_Doc* activeDocument() const;
    // Every open form stores its edits; false when one cannot.
    virtual bool commitOpenForms() = 0;
    virtual document::DocumentNumberPool& documentNumbers() = 0;
    // File New, which says why it cannot make a document.
    virtual void newDocument() = 0;
    // Shows a document made elsewhere (an import) in a window of its own.
    virtual void adoptDocument(std::unique_ptr<document::CS1_Doc> doc) = 0;
    // Opens path, or brings its window forward when it is open already.
    virtual bool openDocumentFile(const QString& path) = 0;
    // "Tarvo1", "Tarvo2", ...
    virtual QString nextUntitledTitle() = 0;

    // --- What outlives documents ---------------------------------------------------
    virtual serial::CCommPort& commPort() = 0;
    virtual templates::TemplateCatalogue& catalogue() = 0;
    // Where new documents and backups are kept, and a restore looks first.
    virtual QString scriptsFolder() const = 0;
    // The port new documents, an import and a restore use.
    virtual int defaultComPort() const = 0;
    virtual void setDefaultComPort(int portIndex) = 0;
    // The application's locale identifier.
    virtual std::uint32_t localeIdentifier() const = 0;

Q_SIGNALS:
    // A command changed frame's document; emitted by the command, answered by
    // the window (title, tree, enablers).
    void documentChanged(tarvo::ui::CS1_ChildFrame* frame, tarvo::ui::DocumentChange change);
    // The enablers are to be evaluated again (active document, selection,
    // modified state).
    void commandStatesChanged();
};

} // namespace tarvo::ui

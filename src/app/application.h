#pragma once
// CZodARApp: the application object. It runs the start-up steps and owns what
// outlives documents: the settings, the document number pool and the
// selection record of each number, the template catalogue, the UI fonts, the
// serial port object, the last browse folder, diagnostic mode and import
// mode, and the main window.

#include "app/app_settings.h"
#include "app/command_line.h"
#include "app/locale_choice.h"
#include "document/document_number_pool.h"
#include "document/import_filter.h"
#include "templates/template_catalogue.h"
#include "ui/forms/form_registry.h"
#include "ui/tree/selection_record.h"
#include "ui/widgets/ui_fonts.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>

namespace tarvo::serial {
class CCommPort;
}
namespace tarvo::platform {
class DeviceSerialPort;
}

namespace tarvo::app {

class MainFrame;

// The clipboard format of copied script menu entries.
inline const QString kClipboardMimeType = QStringLiteral("application/x-roz-clipboard-format");
// The oldest Qt the editor runs on.
inline constexpr int kMinQtMajor = 6;
inline constexpr int kMinQtMinor = 4;

class CZodARApp final : public QObject {
    Q_OBJECT
public:
    // arguments: the command line without the program name, after Qt's own
    // options, as the bytes of argv. programTemplateFolder: where templates are looked for when the
    // start directory holds none; empty for the folder beside the program.
    explicit CZodARApp(const QByteArrayList& arguments, const QString& programTemplateFolder = {},
                       QObject* parent = nullptr);
    ~CZodARApp() override;

    // The start-up steps in order. False when the program is to end; the
    // failing step has shown its message.
    bool initInstance();

    MainFrame* mainFrame() const { return m_mainFrame.get(); }
    AppSettings& settings() { return m_settings; }
    document::DocumentNumberPool& documentNumbers() { return m_pool; }
    ui::SelectionRecords& selections() { return m_selections; }
    // The form each tree node kind shows; tests may register their own.
    ui::FormRegistry& forms() { return m_forms; }
    templates::TemplateCatalogue& catalogue() { return *m_catalogue; }
    const ui::UiFonts& fonts() const { return m_fonts; }
    serial::CCommPort& commPort() { return *m_commPort; }
    const LocaleChoice& locale() const { return m_locale; }
    const QString& startDirectory() const { return m_startDirectory; }
    bool debugMode() const { return m_commandLine.debug; }
    const CommandLine& commandLine() const { return m_commandLine; }
    bool serverInstalled() const { return m_serverInstalled; }
    // Without a session bus the server commands stay disabled.
    bool sessionBusAvailable() const { return m_sessionBus; }
    int defaultComPort() const { return m_defaultComPort; }
    void setDefaultComPort(int portIndex) { m_defaultComPort = portIndex; }

    // The folder the open and save dialogs start in (with a trailing '/').
    QString lastBrowseFolder() const { return m_lastBrowseFolder; }
    // Stores folder as the last browse folder; a settings store that cannot
    // be written is reported once.
    void setLastBrowseFolder(const QString& folder);
    // The user's documents folder + "Tarvo Scripts/".
    static QString defaultScriptsFolder();
    // Writes the settings; reports a store that cannot be written (once).
    void flushSettings();

    // Import mode: File Import makes the next document from the slots chosen.
    void setImportMode(const document::SlotCodes& codes) { m_importCodes = codes; }
    void clearImportMode() { m_importCodes.reset(); }
    const document::SlotCodes* importCodes() const { return m_importCodes ? &*m_importCodes : nullptr; }

    // The title of the next new document: "Tarvo1", "Tarvo2", ...
    QString nextUntitledTitle();

private:
    bool checkPlatform();
    bool makeFonts();
    bool checkClipboard();
    void readServerFlag();
    bool createCommPort();
    void ensureLastBrowseFolder();

    CommandLine m_commandLine;
    QString m_programTemplateFolder;
    AppSettings m_settings;
    LocaleChoice m_locale;
    ui::UiFonts m_fonts;
    QString m_startDirectory;
    QString m_lastBrowseFolder;
    bool m_serverInstalled = false;
    bool m_sessionBus = false;
    bool m_settingsFailureShown = false;
    int m_defaultComPort = 0;
    int m_untitledCount = 0;
    std::optional<document::SlotCodes> m_importCodes;
    document::DocumentNumberPool m_pool;
    ui::SelectionRecords m_selections;
    ui::FormRegistry m_forms;
    std::unique_ptr<templates::TemplateCatalogue> m_catalogue;
    std::unique_ptr<platform::DeviceSerialPort> m_serialDevice;
    std::unique_ptr<serial::CCommPort> m_commPort;
    // Declared last: it goes first, before the documents' pool and the port.
    std::unique_ptr<MainFrame> m_mainFrame;
};

} // namespace tarvo::app

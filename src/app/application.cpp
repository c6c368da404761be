#include "app/application.h"

#include "app/app_texts.h"
#include "app/error_report.h"
#include "app/main_frame.h"
#include "app/ui_font_resolver.h"
#include "diagnostics/diagnostic_commands.h"
#include "document/save_policy.h"
#include "platform/device_serial_port.h"
#include "serial/comm_port.h"
#include "ui/forms/form_menu_ccl.h"
#include "ui/user_dialogs.h"

#include <QClipboard>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QInputMethod>
#include <QLibraryInfo>
#include <QVersionNumber>

#include <cerrno>
#include <exception>
#include <filesystem>

namespace tarvo::app {

namespace {

const QString kSourceName = QStringLiteral("ZodAR");

void showStartupFailure(const QString& text)
{
    ui::UserDialogs::message(nullptr, texts::kAppName, text, ui::UserDialogs::Icon::Exclamation);
}

QString withTrailingSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder.append(QLatin1Char('/'));
    return folder;
}

std::string executablePath()
{
    return QCoreApplication::applicationFilePath().toStdString();
}

} // namespace

CZodARApp::CZodARApp(const QByteArrayList& arguments, const QString& programTemplateFolder, QObject* parent)
    : QObject(parent), m_commandLine(parseCommandLine(arguments)),
      m_programTemplateFolder(programTemplateFolder)
{
    ui::registerScriptMenuForms(m_forms);
}

CZodARApp::~CZodARApp()
{
    // Windows and documents first, then the port, before Qt's own exit.
    m_mainFrame.reset();
    m_commPort.reset();
    m_serialDevice.reset();
}

bool CZodARApp::initInstance()
{
    if (!checkPlatform())
        return false;
    m_locale = chooseLocale(m_settings.threadLocale(), QLocale::system());
    diagnostics::applyStartupLocale(m_locale.locale, m_locale.identifier);
    // After the user switches the input language, the application follows it.
    connect(QGuiApplication::inputMethod(), &QInputMethod::localeChanged, this, [this] {
        const QLocale input = QGuiApplication::inputMethod()->locale();
        m_locale = {localeIdentifierOf(input), input, false};
    });
    if (!makeFonts())
        return false;
    if (!checkClipboard())
        return false;
    m_startDirectory = QDir::currentPath();
    const std::string programFolder = m_programTemplateFolder.isEmpty()
                                          ? templates::programTemplateDirectory(executablePath())
                                          : m_programTemplateFolder.toStdString();
    m_catalogue =
        std::make_unique<templates::TemplateCatalogue>(m_startDirectory.toStdString(), programFolder);
    readServerFlag();
    m_sessionBus = QDBusConnection::sessionBus().isConnected();
    if (!createCommPort())
        return false;
    ensureLastBrowseFolder();
    m_mainFrame = std::make_unique<MainFrame>(*this);
    m_mainFrame->show();
    // A document named on the command line is opened, as a file manager asks.
    for (const QByteArray& path : m_commandLine.documents) {
        std::error_code error;
        const std::filesystem::path full = std::filesystem::absolute(path.toStdString(), error);
        m_mainFrame->documents().openDocumentFile(error ? path.toStdString() : full.string());
    }
    return true;
}

bool CZodARApp::checkPlatform()
{
    const QVersionNumber running = QLibraryInfo::version();
    const bool recentQt = running >= QVersionNumber(kMinQtMajor, kMinQtMinor);
    if (!recentQt || QGuiApplication::platformName().isEmpty()) {
        showStartupFailure(
            texts::kPlatformTooOld.arg(QStringLiteral("%1.%2").arg(kMinQtMajor).arg(kMinQtMinor)));
        return false;
    }
    return true;
}

bool CZodARApp::makeFonts()
{
    const std::optional<ui::UiFonts> fonts = resolveUiFonts();
    if (!fonts) {
        showStartupFailure(texts::kNoFont);
        return false;
    }
    m_fonts = *fonts;
    return true;
}

bool CZodARApp::checkClipboard()
{
    // The format needs no registration; what can fail is the clipboard itself.
    if (QGuiApplication::clipboard() == nullptr) {
        showErrorReport(ENODEV, kSourceName, __LINE__);
        return false;
    }
    return true;
}

void CZodARApp::readServerFlag()
{
    const QString program = m_settings.serverProgram();
    m_serverInstalled = !program.isEmpty() && QFileInfo(program).isFile();
}

bool CZodARApp::createCommPort()
{
    try {
        m_serialDevice = std::make_unique<platform::DeviceSerialPort>();
        m_commPort = std::make_unique<serial::CCommPort>(*m_serialDevice);
    } catch (const std::exception&) {
        m_commPort.reset();
        m_serialDevice.reset();
    }
    if (!m_commPort) {
        showStartupFailure(texts::kNoCommPort);
        return false;
    }
    return true;
}

void CZodARApp::ensureLastBrowseFolder()
{
    if (const std::optional<QString> folder = m_settings.lastBrowseFolder()) {
        m_lastBrowseFolder = *folder;
        return;
    }
    setLastBrowseFolder(defaultScriptsFolder());
}

QString CZodARApp::defaultScriptsFolder()
{
    return withTrailingSlash(QString::fromStdString(document::defaultScriptsFolder()));
}

void CZodARApp::setLastBrowseFolder(const QString& folder)
{
    m_lastBrowseFolder = withTrailingSlash(folder);
    m_settings.setLastBrowseFolder(m_lastBrowseFolder);
    flushSettings();
}

void CZodARApp::flushSettings()
{
    QString reason;
    if (m_settings.flush(reason) || m_settingsFailureShown)
        return;
    m_settingsFailureShown = true;
    ui::UserDialogs::message(m_mainFrame.get(), texts::kAppName,
                             texts::kSettingsNotWritable.arg(m_settings.location(), reason));
}

QString CZodARApp::nextUntitledTitle()
{
    return texts::kUntitledStem + QString::number(++m_untitledCount);
}

} // namespace tarvo::app

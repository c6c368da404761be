#include "app/application_commands.h"

#include "app/app_texts.h"
#include "app/translations.h"
#include "platform/settings_store.h"
#include "ui/user_dialogs.h"

#include <QAction>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QKeySequence>
#include <QUrl>
#include <QWidget>

namespace tarvo::app {

namespace {
// From the program's folder (bin/), in the build tree and installed.
const QString kUserGuidePath = QStringLiteral("/../share/doc/tarvo-script/user-guide.html");
} // namespace

ApplicationCommands::ApplicationCommands(QWidget& window) : QObject(&window), m_window(window)
{
    m_userGuide = new QAction(texts::kUserGuide, this);
    m_userGuide->setStatusTip(texts::kReadHowToConnectDownload);
    m_userGuide->setShortcut(QKeySequence::HelpContents);
    m_about = new QAction(texts::kAbout, this);
    m_about->setStatusTip(texts::kDisplayProgramInformationAndVersion);
    m_language = new QAction(texts::kLanguageCommand, this);
    m_language->setStatusTip(texts::kLanguageStatus);

    connect(m_userGuide, &QAction::triggered, this, &ApplicationCommands::showUserGuide);
    connect(m_about, &QAction::triggered, this, &ApplicationCommands::showAbout);
    connect(m_language, &QAction::triggered, this, [this] {
        platform::settings::Store settings;
        chooseLanguage(&m_window, settings);
    });
}

void ApplicationCommands::showAbout()
{
    ui::UserDialogs::message(&m_window, texts::kAboutCaption,
                             texts::kAppName + QLatin1Char('\n') + texts::kVersion + QLatin1Char('\n') +
                                 texts::kBuildVersion.arg(QStringLiteral(TARVO_VERSION)),
                             ui::UserDialogs::Icon::Application);
}

void ApplicationCommands::showUserGuide()
{
    // Beside the program, as the templates are: in the build tree and installed.
    const QString guide = QDir::cleanPath(QCoreApplication::applicationDirPath() + kUserGuidePath);
    if (!QFileInfo(guide).isFile()) {
        ui::UserDialogs::message(&m_window, texts::kUserGuideCaption, texts::kUserGuideMissing.arg(guide));
        return;
    }
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(guide)))
        ui::UserDialogs::message(&m_window, texts::kUserGuideCaption, texts::kUserGuideNotShown.arg(guide));
}

} // namespace tarvo::app

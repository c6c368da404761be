#include "app/translations.h"

#include "app/app_texts.h"
#include "platform/settings_store.h"
#include "ui/language_dialog.h"
#include "ui/user_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibraryInfo>

namespace tarvo::app {
namespace {

const QString kTranslationsBelowBin = QStringLiteral("/../share/tarvo-script/translations");
const QString kEditorFile = QStringLiteral("tarvo-script");
const QString kQtFile = QStringLiteral("qtbase");
const QString kFileSeparator = QStringLiteral("_");

// The language the settings pin ("de"); empty for the desktop's.
QString pinnedLanguage(const QSettings& settings)
{
    return platform::settings::readSetting(settings, platform::settings::Setting::Language).toString();
}

} // namespace

QString translationsFolder()
{
    return QDir::cleanPath(QCoreApplication::applicationDirPath() + kTranslationsBelowBin);
}

QLocale uiLocale(const QSettings& settings)
{
    const QString pinned = pinnedLanguage(settings);
    return pinned.isEmpty() ? QLocale::system() : QLocale(pinned);
}

Translations::Translations(const QLocale& locale, const QString& folder)
{
    // English is the source: nothing to load, and Qt's English needs no file.
    if (locale.language() == QLocale::English || locale.language() == QLocale::C)
        return;
    m_qtLoaded =
        m_qt.load(locale, kQtFile, kFileSeparator, QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    if (m_qtLoaded)
        QCoreApplication::installTranslator(&m_qt);
    m_editorLoaded = m_editor.load(locale, kEditorFile, kFileSeparator, folder);
    if (m_editorLoaded)
        QCoreApplication::installTranslator(&m_editor);
}

Translations::~Translations()
{
    if (m_editorLoaded)
        QCoreApplication::removeTranslator(&m_editor);
    if (m_qtLoaded)
        QCoreApplication::removeTranslator(&m_qt);
}

void chooseLanguage(QWidget* parent, QSettings& settings)
{
    QList<ui::LanguageOption> options;
    for (const Language& language : kLanguages)
        options.append({QString::fromLatin1(language.code), QString::fromUtf8(language.ownName)});
    const QString current = pinnedLanguage(settings);
    const std::optional<QString> chosen = ui::chooseLanguage(parent, options, current);
    if (!chosen || *chosen == current)
        return;
    settings.setValue(platform::settings::keyOf(platform::settings::Setting::Language), *chosen);
    ui::UserDialogs::message(parent, texts::kLanguageCaption, texts::kLanguageAtNextStart);
}

} // namespace tarvo::app

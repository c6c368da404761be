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
// Qt's own words: the standard buttons and what a socket says, then what a
// serial device says (the detail of a port that fails).
const QString kQtFiles[] = {QStringLiteral("qtbase"), QStringLiteral("qtserialport")};
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
    for (const QString& file : kQtFiles) {
        auto translator = std::make_unique<QTranslator>();
        if (!translator->load(locale, file, kFileSeparator,
                              QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            continue;
        QCoreApplication::installTranslator(translator.get());
        m_qt.push_back(std::move(translator));
    }
    m_editorLoaded = m_editor.load(locale, kEditorFile, kFileSeparator, folder);
    if (m_editorLoaded)
        QCoreApplication::installTranslator(&m_editor);
}

Translations::~Translations()
{
    if (m_editorLoaded)
        QCoreApplication::removeTranslator(&m_editor);
    for (const std::unique_ptr<QTranslator>& translator : m_qt)
        QCoreApplication::removeTranslator(translator.get());
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

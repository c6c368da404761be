#pragma once
// The editor's language: Qt's own translations (the standard dialogs' buttons,
// what a socket or a serial device reports) and the editor's, for the desktop's language or the one pinned in
// the settings. The tool never loads them: scripts read its English.

#include <QLocale>
#include <QSettings>
#include <QString>
#include <QTranslator>

#include <memory>
#include <vector>

class QWidget;

namespace tarvo::app {

// The languages the editor is translated into, each named in itself.
struct Language {
    const char* code;
    const char* ownName;
};
inline constexpr Language kLanguages[] = {{"de", "Deutsch"}, {"ko", "한국어"}, {"zh_CN", "简体中文"}};

// The editor's .qm files beside the program: <bin>/../share/tarvo-script/translations.
QString translationsFolder();

// The language the editor shows: the one pinned in the settings, otherwise
// the desktop's (LANGUAGE, LC_ALL, LC_MESSAGES and LANG, as Qt reads them).
QLocale uiLocale(const QSettings& settings);

// Translators installed in the application while this lives.
class Translations {
public:
    Translations(const QLocale& locale, const QString& folder);
    ~Translations();
    Translations(const Translations&) = delete;
    Translations& operator=(const Translations&) = delete;

    // Whether the editor's own texts are translated (English has no file).
    bool editorLoaded() const { return m_editorLoaded; }

private:
    // Qt's catalogues, as many as were found; the editor's own after them.
    std::vector<std::unique_ptr<QTranslator>> m_qt;
    QTranslator m_editor;
    bool m_editorLoaded = false;
};

// View > Language...: pins a language, or the desktop's, for the next start.
void chooseLanguage(QWidget* parent, QSettings& settings);

} // namespace tarvo::app

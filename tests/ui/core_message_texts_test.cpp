// The core's English messages shown in the editor's language: the pattern a
// message was made from is found, and its arguments fill the translation.
#include "ui/core_message_texts.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace tarvo::ui {
namespace {

// Stands in for a loaded .qm file: a few patterns in a made-up language.
class PatternTranslator final : public QTranslator {
public:
    QString translate(const char* context, const char* source, const char*, int) const override
    {
        if (QByteArray(context) != "CoreMessages")
            return {};
        const QByteArray text(source);
        if (text == "Error: COM %d can not be opened.")
            return QStringLiteral("COM %d öffnet nicht.");
        if (text == "Transferring Language Table  %s:")
            return QStringLiteral("Tabelle %s:");
        if (text == "Error: The transfer has timed out.")
            return QStringLiteral("Zeit um.");
        return {};
    }
};

TEST(CoreMessageTexts, TranslatesByPatternAndKeepsWhatNoPatternMade)
{
    int argc = 1;
    char name[] = "tests_ui";
    char* argv[] = {name};
    QCoreApplication application(argc, argv);
    PatternTranslator translator;
    QCoreApplication::installTranslator(&translator);

    EXPECT_EQ(translatedCoreMessage(u"Error: COM 12 can not be opened."),
              QStringLiteral("COM 12 öffnet nicht."));
    EXPECT_EQ(translatedCoreMessage(u"Transferring Language Table  Deutsch (3):"),
              QStringLiteral("Tabelle Deutsch (3):"));
    // A joined message: each paragraph on its own; a table name is data and stays.
    EXPECT_EQ(translatedCoreMessage(u"Error: The transfer has timed out.\n\nEnglish table"),
              QStringLiteral("Zeit um.\n\nEnglish table"));
    EXPECT_EQ(translatedCoreMessage(u"Error: COM x can not be opened."),
              QStringLiteral("Error: COM x can not be opened."));

    QCoreApplication::removeTranslator(&translator);
}

} // namespace
} // namespace tarvo::ui

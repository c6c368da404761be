// The core's messages shown in the editor's language: each part's pattern is
// translated, then filled (in order, or by number); nested messages are
// translated, data never.
#include "ui/core_message_texts.h"

#include "platform/text.h"
#include "transfer/message_catalogue.h"

#include <QCoreApplication>
#include <QTranslator>

#include <gtest/gtest.h>

namespace tarvo::ui {
namespace {

using messages::Message;

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
        if (text == "the keyboard could not be read: %s")
            return QStringLiteral("nicht gelesen: %s");
        if (text == "Error: The transfer has timed out.")
            return QStringLiteral("Zeit um.");
        if (text == "entry %d of menu %d has no action controls")
            return QStringLiteral("Menü %2, Eintrag %1: 100%% ohne Steuerung");
        return {};
    }
};

TEST(CoreMessageTexts, TranslatesPatternsAndNestedMessagesButNeverData)
{
    int argc = 1;
    char name[] = "tests_ui";
    char* argv[] = {name};
    QCoreApplication application(argc, argv);
    PatternTranslator translator;
    QCoreApplication::installTranslator(&translator);

    EXPECT_EQ(translatedCoreMessage(Message(u"Error: COM %d can not be opened.", {u"12"})),
              QStringLiteral("COM 12 öffnet nicht."));
    // A translation that numbers its arguments places them in its own order;
    // an argument that reads like a place is not filled again.
    EXPECT_EQ(translatedCoreMessage(Message(u"entry %d of menu %d has no action controls", {u"%2", u"81"})),
              QStringLiteral("Menü 81, Eintrag %2: 100% ohne Steuerung"));
    Message joined(u"the keyboard could not be read: %s", {Message(u"Error: The transfer has timed out.")});
    // Data that reads like a pattern stays as it is.
    joined.append(u"\n\n", Message::data(u"Error: The transfer has timed out."));
    EXPECT_EQ(translatedCoreMessage(joined),
              QStringLiteral("nicht gelesen: Zeit um.\n\nError: The transfer has timed out."));
    EXPECT_EQ(joined.text(), u"the keyboard could not be read: Error: The transfer has timed out.\n\n"
                             u"Error: The transfer has timed out.");

    QCoreApplication::removeTranslator(&translator);
}

TEST(CoreMessageTexts, EveryPatternTheEditorCanShowHasItsPlaceInTheTable)
{
    for (const std::u16string_view pattern : transfer::editorMessagePatterns())
        EXPECT_TRUE(isTranslatedCorePattern(pattern)) << platform::toQString(pattern).toStdString();
}

} // namespace
} // namespace tarvo::ui

// The keyboard-font edit and the picture buttons, driven as a user drives
// them: typing, Ctrl+V, the context menu, a middle click, a drop and an
// input method's commit all keep only what the font can show, cut to the field.

#include "model/char_set_service.h"
#include "ui/widgets/keyboard_font_edit.h"
#include "ui/widgets/picture_button.h"

#include <QApplication>
#include <QClipboard>
#include <QDragEnterEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>

namespace {

using tarvo::ui::CBitmapButtonPushlike;
using tarvo::ui::CEditKFont1;
using tarvo::ui::PictureState;

// What each font keeps of the same arrivals.
struct FontCase {
    int font;
    int limit;
    QString typed;      // typed key by key
    QString keptTyping; // what stays of it
    QString pasted;     // a paste or commit with a character the font lacks in third place
    QString keptPaste;
};

const FontCase kOneByte{1,
                        10,
                        QStringLiteral("Ab\u0416\u00BD1"),
                        QStringLiteral("Ab1"),
                        QStringLiteral("Me\u0416nu"),
                        QStringLiteral("Menu")};
const FontCase kTwoByte{5,
                        4,
                        QStringLiteral("\uAC00A\uB620\uAD6D"),
                        QStringLiteral("\uAC00A\uAD6D"),
                        QStringLiteral("\uAC01\uAC04\uB620\uB098Z"),
                        QStringLiteral("\uAC01\uAC04\uB098Z")};

void PrintTo(const FontCase& fontCase, std::ostream* out)
{
    *out << "font " << fontCase.font;
}

// Key by key, as a keyboard layout delivers characters (any script).
void typeKeys(QWidget* widget, const QString& text)
{
    for (const QChar ch : text) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &press);
        QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(ch));
        QApplication::sendEvent(widget, &release);
    }
}

class KeyboardFontEditTest : public ::testing::TestWithParam<FontCase> {
protected:
    void SetUp() override
    {
        m_edit = std::make_unique<CEditKFont1>();
        m_edit->setCharacterSet(GetParam().font, true);
        m_edit->setMaxLength(GetParam().limit);
        m_edit->show();
        m_edit->setFocus();
        m_edited = std::make_unique<QSignalSpy>(m_edit.get(), &QLineEdit::textEdited);
    }
    void TearDown() override { CEditKFont1::setSelectionSource({}); }
    QAction* menuItem(QMenu& menu, const QString& text)
    {
        for (QAction* item : menu.actions())
            if (item->text() == text)
                return item;
        ADD_FAILURE() << "no item " << text.toStdString();
        return nullptr;
    }
    std::unique_ptr<CEditKFont1> m_edit;
    std::unique_ptr<QSignalSpy> m_edited;
};

TEST_P(KeyboardFontEditTest, TypingKeepsWhatTheFontShows)
{
    typeKeys(m_edit.get(), GetParam().typed);
    EXPECT_EQ(m_edit->text(), GetParam().keptTyping);
    EXPECT_TRUE(m_edit->isModified());
    EXPECT_EQ(m_edited->count(), GetParam().keptTyping.size());
    // Typing the platform's way is undone the platform's way.
    QTest::keySequence(m_edit.get(), QKeySequence::Undo);
    EXPECT_NE(m_edit->text(), GetParam().keptTyping);
}

TEST_P(KeyboardFontEditTest, PasteIsFilteredAndASecondUndoRedoes)
{
    QGuiApplication::clipboard()->setText(GetParam().pasted);
    QTest::keySequence(m_edit.get(), QKeySequence::Paste);
    EXPECT_EQ(m_edit->text(), GetParam().keptPaste);
    EXPECT_EQ(m_edited->count(), 1);
    EXPECT_FALSE(m_edit->isUndoAvailable()); // the own undo has taken over
    QTest::keySequence(m_edit.get(), QKeySequence::Undo);
    EXPECT_EQ(m_edit->text(), QString());
    QTest::keySequence(m_edit.get(), QKeySequence::Undo);
    EXPECT_EQ(m_edit->text(), GetParam().keptPaste);
}

TEST_P(KeyboardFontEditTest, PasteIsCutToTheFieldAndAFullFieldTakesNothing)
{
    QGuiApplication::clipboard()->setText(GetParam().keptPaste.repeated(5));
    m_edit->pasteClipboard();
    EXPECT_EQ(m_edit->text().size(), GetParam().limit);
    const QString full = m_edit->text();
    QGuiApplication::clipboard()->setText(GetParam().keptPaste);
    m_edit->setCursorPosition(1);
    m_edit->pasteClipboard();
    EXPECT_EQ(m_edit->text(), full);
    EXPECT_EQ(m_edited->count(), 1);
}

TEST_P(KeyboardFontEditTest, ContextMenuPasteAndItsEnabledCommands)
{
    int asked = -1;
    QObject::connect(m_edit.get(), &CEditKFont1::characterEntryRequested, [&asked] { asked = 7; });
    QGuiApplication::clipboard()->setText(GetParam().pasted);
    std::unique_ptr<QMenu> menu(m_edit->createEditMenu(nullptr));
    EXPECT_FALSE(menuItem(*menu, QStringLiteral("&Undo"))->isEnabled());
    EXPECT_FALSE(menuItem(*menu, QStringLiteral("Cu&t"))->isEnabled());
    EXPECT_FALSE(menuItem(*menu, QStringLiteral("Select &All"))->isEnabled());
    menuItem(*menu, QStringLiteral("&Paste"))->trigger();
    EXPECT_EQ(m_edit->text(), GetParam().keptPaste);
    menuItem(*menu, QStringLiteral("C&odepoints..."))->trigger();
    EXPECT_EQ(asked, 7);

    m_edit->setReadOnly(true);
    menu.reset(m_edit->createEditMenu(nullptr));
    EXPECT_FALSE(menuItem(*menu, QStringLiteral("&Paste"))->isEnabled());
    EXPECT_FALSE(menuItem(*menu, QStringLiteral("C&odepoints..."))->isEnabled());
    EXPECT_TRUE(menuItem(*menu, QStringLiteral("Select &All"))->isEnabled());
    QTest::keySequence(m_edit.get(), QKeySequence::Undo);
    m_edit->setTextAsUserEdit(QStringLiteral("A"));
    EXPECT_EQ(m_edit->text(), GetParam().keptPaste);
}

TEST_P(KeyboardFontEditTest, MiddleClickPastesThePrimarySelectionFiltered)
{
    CEditKFont1::setSelectionSource([text = GetParam().pasted] { return std::optional<QString>(text); });
    QTest::mouseClick(m_edit.get(), Qt::MiddleButton);
    EXPECT_EQ(m_edit->text(), GetParam().keptPaste);
    EXPECT_EQ(m_edited->count(), 1);
}

TEST_P(KeyboardFontEditTest, DropIsFilteredLikeAPaste)
{
    QMimeData data;
    data.setText(GetParam().pasted);
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton,
                          Qt::NoModifier);
    QApplication::sendEvent(m_edit.get(), &enter);
    ASSERT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction | Qt::MoveAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(m_edit.get(), &drop);
    EXPECT_EQ(m_edit->text(), GetParam().keptPaste);
    EXPECT_TRUE(drop.isAccepted());
}

TEST_P(KeyboardFontEditTest, InputMethodCommitIsFiltered)
{
    QInputMethodEvent composing(GetParam().pasted.left(1), {});
    QApplication::sendEvent(m_edit.get(), &composing);
    EXPECT_EQ(m_edit->text(), QString());
    QInputMethodEvent commit;
    commit.setCommitString(GetParam().pasted);
    QApplication::sendEvent(m_edit.get(), &commit);
    EXPECT_EQ(m_edit->text(), GetParam().keptPaste);
    EXPECT_TRUE(m_edit->isModified());
    EXPECT_GE(m_edited->count(), 1);
}

TEST_P(KeyboardFontEditTest, DigitsSetTakesOnlyDigitsAlsoWhenPasted)
{
    m_edit->setCharacterSet(tarvo::model::digitsSetOf(GetParam().font), false);
    QTest::keyClicks(m_edit.get(), QStringLiteral("1a-2"));
    QGuiApplication::clipboard()->setText(QStringLiteral("x3 4\uAC00"));
    m_edit->pasteClipboard();
    EXPECT_EQ(m_edit->text(), QStringLiteral("1234").left(GetParam().limit));
}

TEST_P(KeyboardFontEditTest, TextPutInForTheUserCountsAsAnEdit)
{
    m_edit->setTextAsUserEdit(GetParam().pasted);
    EXPECT_EQ(m_edit->text(), GetParam().keptPaste);
    EXPECT_TRUE(m_edit->isModified());
    EXPECT_EQ(m_edited->count(), 1);
    m_edit->setTextAsUserEdit(GetParam().keptPaste);
    EXPECT_EQ(m_edited->count(), 1); // unchanged: no edit
}

INSTANTIATE_TEST_SUITE_P(Fonts, KeyboardFontEditTest, ::testing::Values(kOneByte, kTwoByte),
                         [](const auto& info) { return info.param.font == 5 ? "Font5" : "Font1"; });

TEST(PictureButton, PictureFollowsTheItemAndPressedState)
{
    using tarvo::ui::pictureFor;
    EXPECT_EQ(pictureFor(true, true, false, true), PictureState::FocusedUp);
    EXPECT_EQ(pictureFor(true, false, false, false), PictureState::Down);
    EXPECT_EQ(pictureFor(false, true, true, true), PictureState::DisabledDown);
    EXPECT_EQ(pictureFor(false, true, false, true), PictureState::FocusedDown);
    EXPECT_EQ(pictureFor(false, false, false, false), PictureState::Up);
    EXPECT_EQ(tarvo::ui::pictureSuffix(PictureState::FocusedDown), QStringLiteral("_DF"));
}

TEST(PictureButton, LockedButtonIgnoresClicksAndTheSpaceKey)
{
    CBitmapButtonPushlike button;
    ASSERT_TRUE(button.loadBitmaps(QStringLiteral("MACRO-CAM")));
    EXPECT_FALSE(button.loadBitmaps(QStringLiteral("NO-SUCH")));
    int clicks = 0;
    QObject::connect(&button, &CBitmapButtonPushlike::activated, [&clicks] { clicks += 3; });
    button.resize(button.sizeHint());
    button.show();
    button.setLocked(true);
    QTest::mouseClick(&button, Qt::LeftButton);
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(clicks, 0);
    button.setLocked(false);
    QTest::mousePress(&button, Qt::LeftButton);
    // While held, the picture shows what the click will produce.
    EXPECT_TRUE(button.currentPicture() == PictureState::Down ||
                button.currentPicture() == PictureState::FocusedDown);
    QTest::mouseRelease(&button, Qt::LeftButton);
    QTest::keyClick(&button, Qt::Key_Space);
    EXPECT_EQ(clicks, 6);
}

TEST(PictureButton, PicturesAreDrawnForEachScale)
{
    for (const qreal scale : {1.0, 2.0}) {
        const QImage image =
            tarvo::ui::picturePixmap(QStringLiteral("LINK"), PictureState::Down, QSize(36, 24), scale)
                .toImage();
        ASSERT_EQ(image.size(), QSize(36, 24) * scale);
        // The glyph's white ink shows in the middle of the blue face.
        int ink = 0;
        for (int x = 0; x < image.width(); ++x)
            ink += qGray(image.pixel(x, image.height() / 2)) > 200 ? 1 : 0;
        EXPECT_GE(ink, 4 * scale) << scale;
    }
}

} // namespace

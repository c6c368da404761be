// Shows the Font-Point Character Entry dialog or the Characters Display on
// the real display, with the editor's fonts, for looking at them (and taking
// screenshots) at any scale:
//   tarvo-char-preview entry <font> [line...]   e.g. entry 5 가나 국
//   tarvo-char-preview display <language id>     e.g. display 1042
//   tarvo-char-preview buttons                    the six pictures of each button

#include "app/ui_font_resolver.h"
#include "model/language_characters.h"
#include "ui/forms/char_entry_dialog.h"
#include "ui/widgets/characters_display.h"
#include "ui/widgets/picture_button.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QTableWidget>

#include <cstdio>

namespace {

int showButtons()
{
    using tarvo::ui::PictureState;
    QWidget window;
    window.setWindowTitle(QStringLiteral("Pictures"));
    auto* grid = new QGridLayout(&window);
    const QStringList names{QStringLiteral("MACRO"), QStringLiteral("MACRO-CAM"), QStringLiteral("MACRO-MON"),
                            QStringLiteral("MACRO-OFF"), QStringLiteral("LINK")};
    const PictureState states[] = {PictureState::Up,         PictureState::Down,
                                   PictureState::FocusedUp,  PictureState::FocusedDown,
                                   PictureState::DisabledUp, PictureState::DisabledDown};
    for (int row = 0; row < names.size(); ++row)
        for (int column = 0; column < 6; ++column) {
            auto* label = new QLabel(&window);
            label->setPixmap(tarvo::ui::picturePixmap(names.at(row), states[column], QSize(36, 24),
                                                      window.devicePixelRatioF()));
            grid->addWidget(label, row, column);
        }
    window.show();
    return QApplication::exec();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    const QStringList arguments = QApplication::arguments().mid(1);
    const auto fonts = tarvo::app::resolveUiFonts();
    if (arguments.value(0) == QLatin1String("buttons"))
        return showButtons();
    if (arguments.size() < 2 || !fonts) {
        std::fputs("usage: tarvo-char-preview entry <font> [line...] | display <language id> | buttons\n",
                   stderr);
        return 2;
    }
    if (arguments.at(0) == QLatin1String("entry")) {
        const auto request = tarvo::ui::FontPointRequest::forFont(arguments.at(1).toInt(), arguments.mid(2),
                                                                  tarvo::model::LineAlignment::Right);
        tarvo::ui::FontPointEntryDialog dialog(request, *fonts);
        return dialog.exec() == QDialog::Accepted ? 0 : 1;
    }
    tarvo::ui::CharactersDisplay display(*fonts);
    display.setCharacters(tarvo::model::charactersUsedBy(arguments.at(1).toInt()));
    // Show a chosen character as after a click: the list's 100th entry.
    display.list()->selectRow(9);
    display.chooseCell(9, 9);
    display.show();
    return QApplication::exec();
}

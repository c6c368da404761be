#include "app/main_frame_characters.h"

#include "app/app_texts.h"
#include "app/application.h"
#include "app/main_frame.h"
#include "document/doc.h"
#include "model/language_characters.h"
#include "ui/widgets/characters_display.h"
#include "ui/widgets/keyboard_font_edit.h"

#include <QAction>
#include <QPointer>

namespace tarvo::app {

namespace {

// The table the command shows: the selected one, or the first.
const model::CS1_LangTable* selectedTable(MainFrame& frame, CZodARApp& app)
{
    const document::CS1_Doc* doc = frame.activeDocument();
    if (doc == nullptr || doc->tableCount() == 0)
        return nullptr;
    const ui::SelectionRecord& selected = app.selections().at(doc->documentNumber());
    const bool hasTable = selected.kind != ui::kNodeRoot && selected.tableIndex >= 0 &&
                          static_cast<std::size_t>(selected.tableIndex) < doc->tableCount();
    return &doc->table(hasTable ? static_cast<std::size_t>(selected.tableIndex) : 0);
}

void typeIntoFocusedEdit(MainFrame& frame, QChar character)
{
    frame.activateWindow();
    if (auto* edit = qobject_cast<ui::CEditKFont1*>(frame.focusWidget()))
        edit->typeText(QString(character));
}

} // namespace

QAction* makeCharactersDisplayCommand(MainFrame& frame, CZodARApp& app)
{
    auto* action = new QAction(texts::kShowCharactersUsed, &frame);
    action->setObjectName(QStringLiteral("ShowCharactersUsed"));
    action->setStatusTip(texts::kListTheCharactersOfThe);
    auto display = std::make_shared<QPointer<ui::CharactersDisplay>>();
    QObject::connect(action, &QAction::triggered, &frame, [&frame, &app, display] {
        const model::CS1_LangTable* table = selectedTable(frame, app);
        if (table == nullptr)
            return;
        if (display->isNull()) {
            *display = new ui::CharactersDisplay(app.fonts(), &frame);
            QObject::connect(display->data(), &ui::CharactersDisplay::characterChosen, &frame,
                             [&frame](QChar character) { typeIntoFocusedEdit(frame, character); });
        }
        (*display)->setCharacters(model::charactersUsedBy(table->WindowsLanguageId()));
        (*display)->show();
        (*display)->raise();
        (*display)->activateWindow();
    });
    return action;
}

} // namespace tarvo::app

// Every dialog at 200 % on a small screen: it fits the screen's free area
// and its buttons can be reached.

#include "support/gui/editor_fixture.h"

#include "app/translations.h"
#include "diagnostics/comm_console.h"
#include "diagnostics/dump_dialog.h"
#include "diagnostics/locale_dialogs.h"
#include "diagnostics/template_dialogs.h"
#include "diagnostics/unicode_input_dialog.h"
#include "model/language_characters.h"
#include "serial/comm_port.h"
#include "server/association_dialog.h"
#include "server/launch_progress_dialog.h"
#include "support/fake_serial_port.h"
#include "ui/com_port/com_port_settings_dialog.h"
#include "ui/com_port/com_port_setup_dialog.h"
#include "ui/fleet/fleet_port_dialog.h"
#include "ui/fleet/fleet_preview_dialog.h"
#include "ui/fleet/fleet_query_window.h"
#include "ui/fleet/fleet_window.h"
#include "ui/forms/char_entry_dialog.h"
#include "ui/forms/form_links_chooser.h"
#include "ui/history/transfer_history_dialog.h"
#include "ui/language_dialog.h"
#include "ui/transfer/transfer_progress_dialog.h"
#include "ui/transfer/transfer_query_dialog.h"
#include "ui/transfer/transfer_slot_dialog.h"
#include "ui/widgets/characters_display.h"

#include <QAbstractButton>
#include <QApplication>
#include <QScreen>
#include <QScrollArea>

#include <functional>
#include <memory>
#include <optional>
#include <tuple>

namespace tarvo::app::test {
namespace {

constexpr int kKorean = 1042;
constexpr int kPreviewChanges = 40;
constexpr int kHangulFont = 5;

// More changed entries than any screen shows, the last slot in Hangul: the list scrolls.
transfer::DownloadPreview longPreview()
{
    transfer::DownloadPreview preview;
    for (const auto& [slot, font, line] : {std::tuple{1, 1, std::u16string(u"Camera Lobby")},
                                           std::tuple{5, kHangulFont, std::u16string(u"카메라 로비")}}) {
        transfer::SlotPreview shown;
        shown.slot = slot;
        shown.fontNumber = font;
        shown.tableName = u"Table";
        for (int i = 0; i < kPreviewChanges; ++i) {
            transfer::EntryChange change;
            change.menu = 80 + i % 16;
            change.entry = 1 + i;
            change.after.lines = {line, line, line};
            shown.changes.push_back(change);
        }
        preview.slots.push_back(shown);
    }
    return preview;
}

// Buttons that lie in a scroll area are reached by scrolling; the others must be on the screen.
bool scrolls(const QWidget* widget, const QWidget* window)
{
    for (const QWidget* w = widget->parentWidget(); w != nullptr && w != window; w = w->parentWidget())
        if (qobject_cast<const QScrollArea*>(w) != nullptr)
            return true;
    return false;
}

void expectOnScreen(QWidget& window, const char* name, const char* language)
{
    SCOPED_TRACE(name);
    window.show();
    EditorFixture::settle();
    // For a person to look at: TARVO_DIALOG_SHOTS=<folder> keeps a picture of each.
    const QString shots = qEnvironmentVariable("TARVO_DIALOG_SHOTS");
    if (!shots.isEmpty())
        window.grab().save(QStringLiteral("%1/%2-%3.png")
                               .arg(shots, QString::fromLatin1(name), QString::fromLatin1(language)));
    ASSERT_NE(window.screen(), nullptr);
    const QRect room = window.screen()->availableGeometry();
    EXPECT_TRUE(room.contains(window.geometry()))
        << window.width() << "x" << window.height() << "+" << window.x() << "+" << window.y() << " on "
        << room.width() << "x" << room.height();
    int buttons = 0;
    for (const QAbstractButton* button : window.findChildren<QAbstractButton*>()) {
        if (!button->isVisibleTo(&window) || scrolls(button, &window))
            continue;
        ++buttons;
        const QRect placed(button->mapToGlobal(QPoint(0, 0)), button->size());
        EXPECT_TRUE(room.contains(placed)) << button->text().toStdString();
    }
    EXPECT_GT(buttons, 0);
    window.close();
}

// German texts are the longest, Chinese ones the shortest.
class ScaledDialogTest : public EditorFixture, public ::testing::WithParamInterface<const char*> {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        m_translations.emplace(QLocale(QString::fromLatin1(GetParam())),
                               QStringLiteral(TARVO_SHARE_DIR "/translations"));
    }
    void TearDown() override
    {
        EditorFixture::TearDown();
        m_translations.reset();
    }
    std::optional<Translations> m_translations;
};

TEST_P(ScaledDialogTest, EveryDialogFitsTheScreenWithItsButtons)
{
    ASSERT_DOUBLE_EQ(qApp->devicePixelRatio(), 2.0);
    ASSERT_TRUE(start());
    frame().documents().newDocument();
    document::CS1_Doc* doc = frame().activeDocument();
    ASSERT_NE(doc, nullptr);
    const ui::UiFonts fonts{QFont(), QFont(), QFont()};
    serial::testing::FakeSerialPort device;
    serial::CCommPort port(device);
    serial::CommSettings settings;
    const transfer::DownloadPreview preview = longPreview();
    QWidget anchor;

    const std::vector<std::pair<const char*, std::function<std::unique_ptr<QWidget>()>>> dialogs = {
        {"Download",
         [] { return std::make_unique<ui::TransferSlotDialog>(ui::TransferSlotDialog::Kind::Download); }},
        {"Import",
         [] { return std::make_unique<ui::TransferSlotDialog>(ui::TransferSlotDialog::Kind::Import); }},
        {"Query", [&] { return std::make_unique<ui::TransferQueryDialog>(port, settings); }},
        {"progress", [] { return std::make_unique<ui::TransferProgressDialog>(); }},
        {"progress with a long preview",
         [&] {
             auto progress = std::make_unique<ui::TransferProgressDialog>();
             progress->waitForOk();
             progress->showPreview(longPreview(), &fonts);
             return progress;
         }},
        {"COM Port Setup", [] { return std::make_unique<ui::ComPortSetupDialog>(0); }},
        {"Several Keyboards", [] { return std::make_unique<ui::FleetPortDialog>(); }},
        {"Several Keyboards window",
         [&] {
             ui::FleetDownloadSetup setup;
             setup.document = doc;
             return std::make_unique<ui::FleetWindow>(std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7}, setup);
         }},
        {"Several Keyboards to query",
         [] { return std::make_unique<ui::FleetPortDialog>(nullptr, ui::FleetPurpose::Query); }},
        {"Several Keyboards queried",
         [&] {
             return std::make_unique<ui::FleetQueryWindow>(std::vector<int>{0, 1, 2, 3, 4, 5, 6, 7},
                                                           settings);
         }},
        {"Several Keyboards' previews",
         [&] {
             std::vector<ui::FleetPreviewDialog::Section> sections;
             for (const char* keyboard :
                  {"COM1 (/dev/ttyS0): KBD-OMNIA 2.05", "COM2 (/dev/ttyS1): KBD-OMNIA 2.05"})
                 sections.push_back({QString::fromLatin1(keyboard), &preview});
             return std::make_unique<ui::FleetPreviewDialog>(sections, &fonts);
         }},
        {"COM Port Settings", [&] { return std::make_unique<ui::ComPortSettingsDialog>(settings, &port); }},
        {"Characters Display",
         [&] {
             auto display = std::make_unique<ui::CharactersDisplay>(fonts);
             display->setCharacters(model::charactersUsedBy(kKorean));
             return display;
         }},
        {"Font-Point Character Entry",
         [&] {
             const QStringList lines{QStringLiteral("Camera"), QStringLiteral("Lobby"),
                                     QStringLiteral("Door")};
             return std::make_unique<ui::FontPointEntryDialog>(
                 ui::FontPointRequest::forFont(1, lines, model::LineAlignment::Left), fonts);
         }},
        {"Links",
         [&] {
             const std::vector<std::pair<int, QString>> menus{{80, QStringLiteral("Main CCL Menu")},
                                                              {86, QStringLiteral("Alarm Handling")}};
             return std::make_unique<ui::LinksChooser>(menus, QFont(), &anchor);
         }},
        {"Transfer History",
         [] {
             return std::make_unique<ui::TransferHistoryDialog>(std::vector<history::TransferRow>{}, 0,
                                                                nullptr);
         }},
        {"Server Association",
         [] {
             return std::make_unique<server::AssociationDialog>(QStringLiteral("site.hvd"), QFont(),
                                                                QString());
         }},
        {"Server Launch", [] { return std::make_unique<server::LaunchProgressDialog>(); }},
        {"COM Port Console", [&] { return std::make_unique<diagnostics::CommConsoleDialog>(port); }},
        {"Dump", [&] { return std::make_unique<diagnostics::DumpDialog>(*doc, false, [] { return true; }); }},
        {"Iconic Dump",
         [&] { return std::make_unique<diagnostics::DumpDialog>(*doc, true, [] { return true; }); }},
        {"System Default Locale",
         [] {
             return std::make_unique<diagnostics::SystemDefaultLocaleDialog>(1033U, QStringLiteral("en_US"));
         }},
        {"Thread Locale",
         [] {
             return std::make_unique<diagnostics::SetThreadLocaleDialog>(diagnostics::ThreadLocaleSetting(),
                                                                         1033U);
         }},
        {"Last Error", [] { return std::make_unique<diagnostics::LastErrorMessageDialog>([](int) {}); }},
        {"Template Report",
         [] {
             return std::make_unique<diagnostics::TemplateReportDialog>(QStringLiteral("Templates"),
                                                                        QStringLiteral("report"), true);
         }},
        {"Unicode Input", [] { return std::make_unique<diagnostics::UnicodeInputDialog>(nullptr); }},
        {"Language",
         [] {
             QList<ui::LanguageOption> translated;
             for (const Language& language : kLanguages)
                 translated.append({QString::fromLatin1(language.code), QString::fromUtf8(language.ownName)});
             return std::make_unique<ui::LanguageDialog>(translated, QString());
         }},
    };
    for (const auto& [name, make] : dialogs) {
        const std::unique_ptr<QWidget> dialog = make();
        expectOnScreen(*dialog, name, GetParam());
    }
    expectOnScreen(frame(), "main window", GetParam());
}

INSTANTIATE_TEST_SUITE_P(Languages, ScaledDialogTest, ::testing::Values("en", "de", "ko", "zh_CN"));

} // namespace
} // namespace tarvo::app::test

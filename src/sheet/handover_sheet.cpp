#include "sheet/handover_sheet.h"

#include "document/entry_action_text.h"
#include "document/menu_entry_rules.h"
#include "model/lang_table_layout.h"
#include "platform/history_file.h"
#include "platform/text.h"
#include "transfer/table_info_row.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QFont>
#include <QFontDatabase>
#include <QPagedPaintDevice>
#include <QTextDocument>

#include <functional>

namespace tarvo::sheet {

namespace {

namespace layout = model::layout;

constexpr int kRowsPerGrid = 7; // seven entries down the left of the display, seven down the right
constexpr int kBodyPointSize = 9;
const QStringList kFontFamilies = {QStringLiteral("DejaVu Sans"), QStringLiteral("Noto Sans CJK KR"),
                                   QStringLiteral("Noto Sans CJK SC")};
const QString kFontPackage = QStringLiteral("fonts-noto-cjk");

const QString kStyle = QStringLiteral(
    "h1 { font-size: 20pt; margin-bottom: 4pt; }"
    "h2 { font-size: 14pt; margin-top: 14pt; margin-bottom: 4pt; }"
    "h3 { font-size: 11pt; margin-top: 10pt; margin-bottom: 3pt; }"
    "table.facts td { padding: 2pt 8pt 2pt 0pt; }"
    "table.list { border-collapse: collapse; }"
    "table.list th { background-color: #e8e8e8; text-align: left; padding: 3pt; border: 1px solid #999; }"
    "table.list td { padding: 3pt; border: 1px solid #999; }"
    "table.grid { border-collapse: collapse; }"
    "table.grid td { padding: 3pt; border: 1px solid #777; vertical-align: top; width: 50%; }"
    ".lines { font-family: 'DejaVu Sans Mono', 'Noto Sans Mono CJK KR', monospace; white-space: pre; }"
    ".action { color: #333; font-style: italic; }"
    ".edited { color: #a00000; font-weight: bold; }"
    ".muted { color: #666; }");

// What the sheet says to the editor's user (not on its pages, which stay
// English as the tool prints them); the tool loads no translation.
QString noteText(const char* text)
{
    return QCoreApplication::translate("HandOverSheet", text);
}

QString esc(const QString& text)
{
    return text.toHtmlEscaped();
}

QString u16(const std::u16string& text)
{
    return platform::toQString(text);
}

QString utf8(const std::string& text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString factRow(const QString& name, const QString& value)
{
    return QStringLiteral("<tr><td><b>%1</b></td><td>%2</td></tr>").arg(esc(name), value);
}

QString tableName(const model::CS1_LangTable& table)
{
    return u16(transfer::decodeFriendlyName(table.Image().data() + layout::kFriendlyNameOffset,
                                            table.GetByte(layout::kFontOffset)));
}

QString twoPart(int major, int minor)
{
    return QStringLiteral("%1.%2").arg(major).arg(minor, 2, 10, QLatin1Char('0'));
}

QString coverHtml(const SheetSource& s)
{
    const document::CS1_Doc& doc = *s.doc;
    QString html = QStringLiteral("<h1>Hand-over sheet</h1><table class='facts'>");
    html += factRow(QStringLiteral("Document"),
                    s.documentPath.isEmpty() ? QStringLiteral("%1 (not saved)").arg(esc(u16(doc.title())))
                                             : esc(s.documentPath));
    html += factRow(QStringLiteral("SHA-256"),
                    s.documentSha256.isEmpty() ? QStringLiteral("<span class='muted'>none: not saved</span>")
                                               : QStringLiteral("<tt>%1</tt>").arg(s.documentSha256));
    html += factRow(QStringLiteral("Date"), s.date.toString(Qt::ISODate));
    html += factRow(QStringLiteral("Language tables"), QString::number(doc.tableCount()));
    html += QStringLiteral("</table>");

    html += QStringLiteral("<h2>Language tables</h2><table class='list' width='100%'>"
                           "<tr><th>Table</th><th>Name</th><th>Language ID</th><th>Version</th>"
                           "<th>Edited entries</th></tr>");
    for (std::size_t i = 0; i < doc.tableCount(); ++i) {
        const model::CS1_LangTable& table = doc.table(i);
        int edited = 0;
        for (int menu = layout::kMainCclMenu; menu <= layout::kLastScriptMenu; ++menu)
            for (int n = layout::kFirstEntry; n <= layout::kEntriesPerMenu; ++n) {
                model::MenuEntryInfo info;
                table.MenuEntryAt(menu, n, info);
                edited += info.edited != 0 ? 1 : 0;
            }
        html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td></tr>")
                    .arg(i)
                    .arg(esc(tableName(table)))
                    .arg(table.GetByte(layout::kLanguageIdOffset))
                    .arg(esc(u16(transfer::tableVersionText(table.GetByte(layout::kVersionCodeOffset),
                                                            table.GetByte(layout::kFirmwareMajorOffset),
                                                            table.GetByte(layout::kFirmwareMinorOffset)))))
                    .arg(edited);
    }
    html += QStringLiteral("</table>");

    if (s.lastTransfers) {
        html += QStringLiteral("<h2>Keyboards written with this document</h2>");
        if (s.lastTransfers->empty()) {
            html +=
                QStringLiteral("<p class='muted'>The transfer history of this computer records no transfer "
                               "of this document.</p>");
        } else {
            html += QStringLiteral("<table class='list' width='100%'><tr><th>Device</th><th>Keyboard</th>"
                                   "<th>Slots</th><th>Result</th><th>Time (UTC)</th></tr>");
            for (const auto& row : *s.lastTransfers)
                html += QStringLiteral("<tr><td>%1</td><td>%2</td><td>%3</td><td>%4</td><td>%5</td></tr>")
                            .arg(esc(utf8(row.device.empty() ? row.port : row.device)),
                                 esc(utf8(history::keyboardText(row.keyboard))),
                                 esc(utf8(history::slotsText(row))), esc(utf8(history::resultText(row))),
                                 esc(utf8(row.time)));
            html += QStringLiteral("</table>");
        }
    }
    html +=
        QStringLiteral("<p class='muted'>Each table follows on its own pages: its header fields, then the "
                       "script menus 80-95 as the keyboard shows them (entries 1-7 on the left, 8-14 on "
                       "the right). Entries marked <span class='edited'>edited</span> were changed in "
                       "the editor.</p>");
    return html;
}

QString entryCell(const model::CS1_LangTable& table, int menu, int n)
{
    model::MenuEntryInfo info;
    const model::MenuEntry e = table.MenuEntryAt(menu, n, info);
    const int lines = document::lineCountOf(table.GetByte(layout::kFontOffset));
    QStringList shown = {u16(e.line1), u16(e.line2), u16(e.line3)};
    while (shown.size() > lines)
        shown.removeLast();
    QString html = QStringLiteral("<b>%1</b>&nbsp;&nbsp;<span class='action'>%2</span>")
                       .arg(n)
                       .arg(esc(utf8(document::entryActionText(e))));
    if (info.edited != 0)
        html += QStringLiteral("&nbsp;&nbsp;<span class='edited'>edited</span>");
    html += QStringLiteral("<div class='lines'>%1</div>").arg(esc(shown.join(QLatin1Char('\n'))));
    return html;
}

QString tableHtml(const model::CS1_LangTable& table, std::size_t index)
{
    QString html =
        QStringLiteral("<h2 style='page-break-before: always'>Table %1: %2</h2><table class='facts'>")
            .arg(index)
            .arg(esc(tableName(table)));
    const int font = table.GetByte(layout::kFontOffset);
    html += factRow(QStringLiteral("Language ID"), QString::number(table.GetByte(layout::kLanguageIdOffset)));
    html += factRow(QStringLiteral("Font"), QString::number(font));
    html +=
        factRow(QStringLiteral("Version"),
                QStringLiteral("%1 (code %2)")
                    .arg(esc(u16(transfer::tableVersionText(table.GetByte(layout::kVersionCodeOffset),
                                                            table.GetByte(layout::kFirmwareMajorOffset),
                                                            table.GetByte(layout::kFirmwareMinorOffset)))))
                    .arg(table.GetByte(layout::kVersionCodeOffset)));
    html += factRow(QStringLiteral("Firmware"), twoPart(table.GetByte(layout::kFirmwareMajorOffset),
                                                        table.GetByte(layout::kFirmwareMinorOffset)));
    html += factRow(QStringLiteral("Schema"), QString::number(table.GetByte(layout::kSchemaOffset)));
    html +=
        factRow(QStringLiteral("Read-only"),
                table.GetByte(layout::kReadOnlyOffset) != 0 ? QStringLiteral("yes") : QStringLiteral("no"));
    html += QStringLiteral("</table>");

    for (int menu = layout::kMainCclMenu; menu <= layout::kLastScriptMenu; ++menu) {
        const QString name = u16(table.GetMenuName(menu));
        const QString kind =
            menu == layout::kMainCclMenu ? QStringLiteral("main CCL menu") : QStringLiteral("sub CCL menu");
        // Two menus a page after the first, so that no grid is split between pages.
        const bool newPage = (menu - layout::kMainCclMenu) % 2 == 1;
        html += QStringLiteral("<h3%1>Menu %2 (%3)%4</h3><table class='grid' width='100%'>")
                    .arg(newPage ? QStringLiteral(" style='page-break-before: always'") : QString())
                    .arg(menu)
                    .arg(kind)
                    .arg(name.trimmed().isEmpty() ? QString() : QStringLiteral(": ") + esc(name));
        for (int row = 0; row < kRowsPerGrid; ++row)
            html += QStringLiteral("<tr><td>%1</td><td>%2</td></tr>")
                        .arg(entryCell(table, menu, layout::kFirstEntry + row),
                             entryCell(table, menu, layout::kFirstEntry + kRowsPerGrid + row));
        html += QStringLiteral("</table>");
    }
    return html;
}

bool isHangul(char16_t c)
{
    return (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0x1100 && c <= 0x11FF) || (c >= 0x3130 && c <= 0x318F);
}

bool isCjk(char16_t c)
{
    return (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF) || (c >= 0x3040 && c <= 0x30FF) ||
           (c >= 0xFF00 && c <= 0xFFEF);
}

// Every text the sheet shows of a table.
void eachText(const model::CS1_LangTable& table, const std::function<void(const std::u16string&)>& fn)
{
    fn(transfer::decodeFriendlyName(table.Image().data() + layout::kFriendlyNameOffset,
                                    table.GetByte(layout::kFontOffset)));
    for (int menu = layout::kMainCclMenu; menu <= layout::kLastScriptMenu; ++menu) {
        fn(table.GetMenuName(menu));
        for (int n = layout::kFirstEntry; n <= layout::kEntriesPerMenu; ++n) {
            model::MenuEntryInfo info;
            const model::MenuEntry e = table.MenuEntryAt(menu, n, info);
            fn(e.line1);
            fn(e.line2);
            fn(e.line3);
        }
    }
}

} // namespace

SheetSource sheetSourceFor(const document::CS1_Doc& doc, const QString& path, bool withHistory, QString& note)
{
    SheetSource s;
    s.doc = &doc;
    s.date = QDate::currentDate();
    if (!path.isEmpty()) {
        s.documentPath = QFileInfo(path).absoluteFilePath();
        s.documentSha256 = QString::fromStdString(platform::fileSha256(path.toStdString()));
    }
    if (!withHistory)
        return s;
    s.lastTransfers.emplace();
    const platform::HistoryFile file;
    history::HistoryLog log;
    std::string reason;
    if (!file.read(log, reason)) {
        note = noteText(QT_TRANSLATE_NOOP("HandOverSheet", "the transfer history cannot be read: %1"))
                   .arg(QString::fromStdString(reason));
        return s;
    }
    if (!s.documentSha256.isEmpty())
        *s.lastTransfers =
            history::lastPerKeyboard(history::transferRows(log.records), s.documentSha256.toStdString());
    return s;
}

QString sheetHtml(const SheetSource& source)
{
    QString html = QStringLiteral("<html><head><style>%1</style></head><body>").arg(kStyle);
    html += coverHtml(source);
    for (std::size_t i = 0; i < source.doc->tableCount(); ++i)
        html += tableHtml(source.doc->table(i), i);
    html += QStringLiteral("</body></html>");
    return html;
}

QString missingFontWarning(const document::CS1_Doc& doc)
{
    bool hangul = false;
    bool cjk = false;
    for (std::size_t i = 0; i < doc.tableCount(); ++i)
        eachText(doc.table(i), [&](const std::u16string& text) {
            for (const char16_t c : text) {
                hangul = hangul || isHangul(c);
                cjk = cjk || isCjk(c);
            }
        });
    const bool hangulMissing = hangul && QFontDatabase::families(QFontDatabase::Korean).isEmpty();
    const bool cjkMissing = cjk && QFontDatabase::families(QFontDatabase::SimplifiedChinese).isEmpty() &&
                            QFontDatabase::families(QFontDatabase::Japanese).isEmpty();
    if (!hangulMissing && !cjkMissing)
        return {};
    return (hangulMissing ? noteText(QT_TRANSLATE_NOOP("HandOverSheet",
                                                       "the tables hold Hangul text and no installed font "
                                                       "has it: it would print as empty boxes; install "
                                                       "the package %1"))
                          : noteText(QT_TRANSLATE_NOOP("HandOverSheet",
                                                       "the tables hold CJK text and no installed font has "
                                                       "it: it would print as empty boxes; install the "
                                                       "package %1")))
        .arg(kFontPackage);
}

void renderSheet(const SheetSource& source, QPagedPaintDevice& device)
{
    QTextDocument text;
    QFont font;
    font.setFamilies(kFontFamilies);
    font.setPointSize(kBodyPointSize);
    text.setDefaultFont(font);
    text.setHtml(sheetHtml(source));
    // Without a page size of its own the document takes the device's pages and numbers them.
    text.print(&device);
}

} // namespace tarvo::sheet

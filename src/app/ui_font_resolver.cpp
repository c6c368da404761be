#include "app/ui_font_resolver.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QStringList>

namespace tarvo::app {

namespace {

const QString kFixedFamily = QStringLiteral("Courier New");
const QString kTextFamily = QStringLiteral("Arial");
const QString kUnicodeFamily = QStringLiteral("Arial Unicode MS");
// Families known to cover Hangul and CJK, best first.
const QStringList kWideCoverageFamilies = {
    QStringLiteral("Noto Sans CJK KR"), QStringLiteral("Noto Sans KR"), QStringLiteral("Noto Sans CJK SC"),
    QStringLiteral("Noto Sans CJK JP"), QStringLiteral("NanumGothic"),  QStringLiteral("UnDotum"),
};

QFont makeFont(const QString& family, int pixels)
{
    QFont font(family);
    font.setPixelSize(pixels);
    font.setWeight(QFont::Normal);
    // The family fontconfig picks when the named one is absent.
    font.setFamily(QFontInfo(font).family());
    return font;
}

} // namespace

bool familyCoversHangul(const QString& family)
{
    return QFontDatabase::writingSystems(family).contains(QFontDatabase::Korean);
}

std::optional<ui::UiFonts> resolveUiFonts()
{
    if (QFontDatabase::families().isEmpty())
        return std::nullopt;
    ui::UiFonts fonts{makeFont(kFixedFamily, kFixedFontPixels), makeFont(kTextFamily, kTextFontPixels),
                      makeFont(kUnicodeFamily, kUnicodeFontPixels)};
    if (!familyCoversHangul(fonts.unicode.family())) {
        QString wide;
        for (const QString& family : kWideCoverageFamilies)
            if (QFontDatabase::hasFamily(family) && familyCoversHangul(family)) {
                wide = family;
                break;
            }
        if (wide.isEmpty()) {
            const QStringList korean = QFontDatabase::families(QFontDatabase::Korean);
            if (!korean.isEmpty())
                wide = korean.first();
        }
        // Without any such family Qt's own fallback still draws what it can.
        if (!wide.isEmpty())
            fonts.unicode.setFamily(wide);
    }
    return fonts;
}

} // namespace tarvo::app

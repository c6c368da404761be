#include "platform/message_text.h"

#include "platform/text.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <vector>

namespace tarvo::platform {
namespace {

constexpr int kMaxArgumentDigits = 2; // %1 ... %99, as QString::arg

bool isArgumentDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

bool numbersItsArguments(const QString& pattern)
{
    static const QRegularExpression numbered(QStringLiteral("%[1-9]"));
    return pattern.contains(numbered);
}

QString fillNumbered(const QString& pattern, const QStringList& args)
{
    QString out;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const QChar c = pattern.at(i);
        if (c != u'%' || i + 1 == pattern.size()) {
            out += c;
            continue;
        }
        if (pattern.at(i + 1) == u'%') {
            out += u'%';
            ++i;
            continue;
        }
        qsizetype end = i + 1;
        int number = 0;
        while (end < pattern.size() && end - i <= kMaxArgumentDigits && isArgumentDigit(pattern.at(end)))
            number = number * 10 + pattern.at(end++).digitValue();
        if (number >= 1 && number <= args.size()) {
            out += args.at(number - 1);
            i = end - 1;
        } else {
            out += c;
        }
    }
    return out;
}

} // namespace

QString fillPattern(const QString& pattern, const QStringList& args)
{
    if (numbersItsArguments(pattern))
        return fillNumbered(pattern, args);
    std::vector<std::u16string> inOrder;
    inOrder.reserve(static_cast<std::size_t>(args.size()));
    for (const QString& arg : args)
        inOrder.push_back(toU16(arg));
    return toQString(messages::format(toU16(pattern), inOrder));
}

QString translatedMessage(const messages::Message& message, const char* context)
{
    QString shown;
    for (const messages::Message::Part& part : message.parts()) {
        shown += toQString(part.separator);
        if (part.data) {
            shown += toQString(part.pattern);
            continue;
        }
        QStringList args;
        for (const messages::Argument& arg : part.args)
            args << (arg.message ? translatedMessage(*arg.message, context) : toQString(arg.text));
        const QByteArray key = toQString(part.pattern).toUtf8();
        shown += fillPattern(QCoreApplication::translate(context, key.constData()), args);
    }
    return shown;
}

} // namespace tarvo::platform

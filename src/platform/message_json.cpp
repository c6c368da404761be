#include "platform/message_json.h"

#include "platform/text.h"

#include <QJsonObject>
#include <QString>

namespace tarvo::platform {

namespace {

// The system nests a message three deep at most and never writes more than
// a few parts or arguments; a file may say anything.
constexpr int kMaxDepth = 8;
constexpr qsizetype kMaxParts = 32;
constexpr qsizetype kMaxArgs = 16;
constexpr qsizetype kMaxTextChars = 4096;

const QString kSeparator = QStringLiteral("separator");
const QString kPattern = QStringLiteral("pattern");
const QString kArgs = QStringLiteral("args");
const QString kData = QStringLiteral("data");

std::optional<std::u16string> textOf(const QJsonValue& value)
{
    if (!value.isString() || value.toString().size() > kMaxTextChars)
        return std::nullopt;
    return value.toString().toStdU16String();
}

std::optional<messages::Message> messageAt(const QJsonValue& value, int depth);

std::optional<messages::Argument> argumentOf(const QJsonValue& value, int depth)
{
    if (value.isArray()) {
        auto nested = messageAt(value, depth + 1);
        if (!nested)
            return std::nullopt;
        return messages::Argument(*nested);
    }
    auto data = textOf(value);
    if (!data)
        return std::nullopt;
    return messages::Argument(*data);
}

std::optional<messages::Message> partOf(const QJsonObject& o, int depth)
{
    if (o.contains(kData)) {
        auto data = textOf(o.value(kData));
        return data ? std::optional(messages::Message::data(*data)) : std::nullopt;
    }
    auto pattern = textOf(o.value(kPattern));
    const QJsonArray args = o.value(kArgs).toArray();
    if (!pattern || args.size() > kMaxArgs)
        return std::nullopt;
    std::vector<messages::Argument> values;
    for (const QJsonValue& arg : args) {
        auto value = argumentOf(arg, depth);
        if (!value)
            return std::nullopt;
        values.push_back(std::move(*value));
    }
    return messages::Message(*pattern, std::move(values));
}

std::optional<messages::Message> messageAt(const QJsonValue& value, int depth)
{
    if (!value.isArray() || depth > kMaxDepth)
        return std::nullopt;
    const QJsonArray parts = value.toArray();
    if (parts.size() > kMaxParts)
        return std::nullopt;
    messages::Message message;
    for (const QJsonValue& partValue : parts) {
        const QJsonObject o = partValue.toObject();
        auto separator = o.contains(kSeparator) ? textOf(o.value(kSeparator)) : std::u16string();
        auto part = partValue.isObject() && separator ? partOf(o, depth) : std::nullopt;
        if (!part)
            return std::nullopt;
        message.append(*separator, std::move(*part));
    }
    return message;
}

QJsonValue argumentJson(const messages::Argument& arg)
{
    return arg.message ? QJsonValue(messageJson(*arg.message)) : QJsonValue(toQString(arg.text));
}

} // namespace

QJsonArray messageJson(const messages::Message& message)
{
    QJsonArray parts;
    for (const messages::Message::Part& part : message.parts()) {
        QJsonObject o;
        if (!part.separator.empty())
            o[kSeparator] = toQString(part.separator);
        if (part.data) {
            o[kData] = toQString(part.pattern);
        } else {
            o[kPattern] = toQString(part.pattern);
            QJsonArray args;
            for (const messages::Argument& arg : part.args)
                args.append(argumentJson(arg));
            if (!args.isEmpty())
                o[kArgs] = args;
        }
        parts.append(o);
    }
    return parts;
}

std::optional<messages::Message> messageOfJson(const QJsonValue& value)
{
    return messageAt(value, 0);
}

} // namespace tarvo::platform

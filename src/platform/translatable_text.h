#pragma once
// A text of the editor as its texts headers hold it: the English source and
// the context it is translated in. It is translated where it is shown, never
// at static initialisation, when no translator is loaded yet. The headers mark
// each source with QT_TRANSLATE_NOOP so that lupdate finds it.

#include <QCoreApplication>
#include <QString>

#include <utility>

namespace tarvo::platform {

struct TranslatableText {
    const char* context;
    const char* source;

    QString text() const { return QCoreApplication::translate(context, source); }
    operator QString() const { return text(); }

    template <typename... Args> QString arg(Args&&... args) const
    {
        return text().arg(std::forward<Args>(args)...);
    }
};

} // namespace tarvo::platform

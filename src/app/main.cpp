// tarvo-script: the desktop editor.

#include "app/application.h"
#include "app/translations.h"
#include "platform/settings_store.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(tarvo::platform::settings::kApplication);
    QApplication::setOrganizationName(tarvo::platform::settings::kOrganisation);
    const tarvo::app::Translations translations(tarvo::app::uiLocale(tarvo::platform::settings::Store()),
                                                tarvo::app::translationsFolder());
    // argv, not QApplication::arguments(): a file name that is not UTF-8
    // keeps its bytes. QApplication has removed its own options from argv.
    QByteArrayList arguments;
    for (int i = 1; i < argc; ++i)
        arguments.append(QByteArray(argv[i]));
    tarvo::app::CZodARApp app(arguments);
    if (!app.initInstance())
        return 1;
    return QApplication::exec();
}

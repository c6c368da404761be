// tarvo-script: the desktop editor.

#include "app/zodar.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tarvo Script Application"));
    QApplication::setOrganizationName(QStringLiteral("Corvane Security Systems"));
    tarvo::app::CZodARApp app(QApplication::arguments().mid(1));
    if (!app.InitInstance())
        return 1;
    return QApplication::exec();
}

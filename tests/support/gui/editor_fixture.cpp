#include "support/gui/editor_fixture.h"

#include "document/doc.h"
#include "templates/template_catalogue.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QMenuBar>
#include <QSettings>
#include <QStandardPaths>

namespace tarvo::app::test {

void EditorFixture::SetUp()
{
    ASSERT_TRUE(m_home.isValid());
    QStandardPaths::setTestModeEnabled(true);
    m_settings.emplace(settingsFolder());
    qputenv("XDG_DOCUMENTS_DIR", m_home.filePath(QStringLiteral("Documents")).toUtf8());
    // The transfer history and the records of interrupted writes stay in the temporary home.
    qputenv("XDG_STATE_HOME", m_home.filePath(QStringLiteral("state")).toUtf8());
    QDir(m_home.path()).mkpath(QStringLiteral("start"));
    m_previousDirectory = QDir::currentPath();
    QDir::setCurrent(m_home.filePath(QStringLiteral("start")));
    ui::UserDialogs::setScripted(true);
    ui::UserDialogs::reset();
}

void EditorFixture::TearDown()
{
    m_app.reset();
    settle();
    m_settings.reset();
    QDir::setCurrent(m_previousDirectory);
    ui::UserDialogs::reset();
}

bool EditorFixture::start(const QStringList& arguments, const QString& programTemplateFolder)
{
    QByteArrayList bytes;
    for (const QString& argument : arguments)
        bytes.append(QFile::encodeName(argument));
    return startWithBytes(bytes, programTemplateFolder);
}

bool EditorFixture::startWithBytes(const QByteArrayList& arguments, const QString& programTemplateFolder)
{
    m_app = std::make_unique<CZodARApp>(arguments, programTemplateFolder.isEmpty()
                                                       ? QStringLiteral(TARVO_SOURCE_DIR "/data/templates")
                                                       : programTemplateFolder);
    return m_app->initInstance();
}

void EditorFixture::settle()
{
    QCoreApplication::processEvents();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

QString EditorFixture::shippedTemplate()
{
    return QStringLiteral(TARVO_SOURCE_DIR "/data/templates/Standard.LT3");
}

QString EditorFixture::writeTemplateDocument(const QString& name) const
{
    document::DocumentNumberPool pool;
    auto made = document::createNewDocument(
        pool, [](int) { return templates::buildTablesFromTemplate(shippedTemplate().toStdString()); },
        nullptr, 0);
    EXPECT_TRUE(made.doc) << QString::fromStdU16String(made.result.message.text()).toStdString();
    const QString file = path(name);
    if (made.doc) {
        EXPECT_TRUE(made.doc->saveToPath(file.toStdString(), true).ok());
    }
    return file;
}

QStringList EditorFixture::messages()
{
    QStringList list;
    for (const ui::UserDialogs::Shown& shown : ui::UserDialogs::shown())
        if (shown.kind == QStringLiteral("message"))
            list << shown.caption + QLatin1Char('|') + shown.text;
    return list;
}

int EditorFixture::menuCount(const MainFrame& frame, const QString& title)
{
    int count = 0;
    for (const QAction* action : frame.menuBar()->actions())
        if (action->text() == title && action->isVisible())
            ++count;
    return count;
}

} // namespace tarvo::app::test

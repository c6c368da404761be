#pragma once
// The commands that concern the application rather than a document or the
// window: the user guide, the About box and the choice of language. They
// make their actions; the main window places them.

#include <QObject>

class QAction;
class QWidget;

namespace tarvo::app {

class ApplicationCommands final : public QObject {
    Q_OBJECT
public:
    // window: the parent of the boxes the commands show.
    explicit ApplicationCommands(QWidget& window);

    QAction* userGuideAction() const { return m_userGuide; }
    QAction* aboutAction() const { return m_about; }
    QAction* languageAction() const { return m_language; }

private:
    void showUserGuide();
    void showAbout();

    QWidget& m_window;
    QAction* m_userGuide = nullptr;
    QAction* m_about = nullptr;
    QAction* m_language = nullptr;
};

} // namespace tarvo::app

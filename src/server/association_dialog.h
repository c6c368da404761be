#pragma once
// "Set Halvard Server Document Association": one edit box holding the path
// of the Halvard server document, with Browse. The text is not checked here;
// the launch checks it.

#include <QDialog>

class QLineEdit;

namespace tarvo::server {

// The longest path the document stores.
inline constexpr int kMaxServerPathChars = 260;

class AssociationDialog final : public QDialog {
    Q_OBJECT
public:
    // configurationFolder: where Browse starts; empty leaves it to the platform.
    AssociationDialog(const QString& path, const QFont& fixedFont, const QString& configurationFolder,
                      QWidget* parent = nullptr);

    QString path() const;

private:
    void browse();

    QLineEdit* m_path = nullptr;
    QString m_configurationFolder;
};

} // namespace tarvo::server

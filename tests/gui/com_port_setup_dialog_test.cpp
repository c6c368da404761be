// The COM Port Setup dialog: each COM name shown with its device, the device
// list holding a pseudo-terminal that TARVO_COM<n> names, a missing device
// marked but allowed, and the choice kept as the setting Ports/COM<n> that
// the transfers' device lookup reads.

#include "platform/port_paths.h"
#include "support/test_settings.h"
#include "ui/com_port/com_port_setup_dialog.h"
#include "ui/user_dialogs.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

#include <fcntl.h>
#include <pty.h>
#include <unistd.h>

using tarvo::ui::ComPortSetupDialog;
using tarvo::ui::UserDialogs;

namespace {

// Both sides of a pseudo-terminal, closed at the end of the test.
class PseudoTerminal {
public:
    PseudoTerminal()
    {
        char name[256] = {};
        if (openpty(&m_master, &m_slave, name, nullptr, nullptr) == 0)
            m_path = QString::fromLocal8Bit(name);
    }
    ~PseudoTerminal()
    {
        if (m_master >= 0)
            ::close(m_master);
        if (m_slave >= 0)
            ::close(m_slave);
    }
    PseudoTerminal(const PseudoTerminal&) = delete;
    PseudoTerminal& operator=(const PseudoTerminal&) = delete;
    const QString& path() const { return m_path; }

private:
    int m_master = -1;
    int m_slave = -1;
    QString m_path;
};

class ComPortSetupDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        for (int n = 1; n <= 16; ++n)
            qunsetenv(QStringLiteral("TARVO_COM%1").arg(n).toLatin1().constData());
        UserDialogs::setScripted(true);
        UserDialogs::reset();
    }
    void TearDown() override
    {
        for (int n = 1; n <= 16; ++n)
            qunsetenv(QStringLiteral("TARVO_COM%1").arg(n).toLatin1().constData());
        UserDialogs::reset();
    }
    static QSettings store()
    {
        return QSettings(QStringLiteral("Corvane Security Systems"),
                         QStringLiteral("Tarvo Script Application"));
    }
    static QComboBox* ports(ComPortSetupDialog& d)
    {
        return d.findChild<QComboBox*>(QStringLiteral("comPorts"));
    }
    static QComboBox* devices(ComPortSetupDialog& d)
    {
        return d.findChild<QComboBox*>(QStringLiteral("devices"));
    }
    static QString note(ComPortSetupDialog& d)
    {
        return d.findChild<QLabel*>(QStringLiteral("deviceNote"))->text();
    }
    static QStringList devicePaths(ComPortSetupDialog& d)
    {
        QStringList paths;
        for (int i = 0; i < devices(d)->count(); ++i)
            paths << devices(d)->itemData(i).toString();
        return paths;
    }

    tarvo::test::TestSettings m_settings;
};

} // namespace

TEST_F(ComPortSetupDialogTest, APseudoTerminalNamedByTheEnvironmentIsListedBesideItsPort)
{
    PseudoTerminal pty;
    ASSERT_FALSE(pty.path().isEmpty());
    qputenv("TARVO_COM2", pty.path().toLocal8Bit());
    store().setValue(QStringLiteral("Ports/COM2"), QStringLiteral("/dev/ttyUSB7")); // the environment wins

    ComPortSetupDialog dialog(1);

    EXPECT_EQ(ports(dialog)->count(), 16);
    EXPECT_EQ(ports(dialog)->itemText(1), QStringLiteral("COM2 (%1)").arg(pty.path()));
    EXPECT_TRUE(devicePaths(dialog).contains(pty.path()))
        << devicePaths(dialog).join(QLatin1Char(' ')).toStdString();
    EXPECT_EQ(devices(dialog)->currentText(), pty.path());
    EXPECT_FALSE(devices(dialog)->isEnabled());
    EXPECT_TRUE(note(dialog).contains(QStringLiteral("TARVO_COM2"))) << note(dialog).toStdString();

    // Another port can take the same device from the list; what is stored is
    // the path alone.
    ports(dialog)->setCurrentIndex(5);
    EXPECT_TRUE(devices(dialog)->isEnabled());
    const int item = devices(dialog)->findData(pty.path());
    ASSERT_GE(item, 0);
    devices(dialog)->setCurrentIndex(item);
    Q_EMIT devices(dialog)->activated(item);
    EXPECT_EQ(ports(dialog)->itemText(5), QStringLiteral("COM6 (%1)").arg(pty.path()));
    dialog.accept();

    EXPECT_TRUE(UserDialogs::shown().isEmpty());
    EXPECT_EQ(dialog.portIndex(), 5);
    EXPECT_EQ(store().value(QStringLiteral("Ports/COM6")).toString(), pty.path());
    EXPECT_EQ(store().value(QStringLiteral("Ports/COM2")).toString(), QStringLiteral("/dev/ttyUSB7"));
    EXPECT_EQ(QString::fromStdString(tarvo::platform::comPortDevicePath(5)), pty.path());
}

TEST_F(ComPortSetupDialogTest, AMissingDeviceIsMarkedAndMayBeChosen)
{
    QTemporaryDir folder;
    const QString gone = folder.filePath(QStringLiteral("ttyUSB9"));
    store().setValue(QStringLiteral("Ports/COM4"), gone);

    ComPortSetupDialog dialog(0);
    EXPECT_EQ(ports(dialog)->itemText(3), QStringLiteral("COM4 (%1, missing)").arg(gone));
    EXPECT_EQ(ports(dialog)->itemText(0),
              QStringLiteral("COM1 (/dev/ttyS0") +
                  (QFile::exists(QStringLiteral("/dev/ttyS0")) ? QString() : QStringLiteral(", missing")) +
                  QLatin1Char(')'));
    ports(dialog)->setCurrentIndex(3);
    EXPECT_TRUE(note(dialog).contains(QStringLiteral("not present"))) << note(dialog).toStdString();

    // Typed in for COM5: shown as missing at once, kept on OK without a word.
    ports(dialog)->setCurrentIndex(4);
    const QString typed = folder.filePath(QStringLiteral("ttyACM3"));
    devices(dialog)->lineEdit()->clear();
    QTest::keyClicks(devices(dialog)->lineEdit(), typed);
    EXPECT_EQ(ports(dialog)->itemText(4), QStringLiteral("COM5 (%1, missing)").arg(typed));
    EXPECT_EQ(dialog.deviceOf(4), typed);
    dialog.accept();

    EXPECT_TRUE(UserDialogs::shown().isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.portIndex(), 4);
    EXPECT_EQ(store().value(QStringLiteral("Ports/COM5")).toString(), typed);
    EXPECT_EQ(store().value(QStringLiteral("Ports/COM4")).toString(), gone);
}

TEST_F(ComPortSetupDialogTest, ChoosingTheDefaultDeviceAgainRemovesTheSetting)
{
    store().setValue(QStringLiteral("Ports/COM3"), QStringLiteral("/dev/ttyUSB0"));
    ComPortSetupDialog dialog(2);
    EXPECT_EQ(devices(dialog)->currentText(), QStringLiteral("/dev/ttyUSB0"));
    devices(dialog)->setEditText(QStringLiteral("/dev/ttyS2"));
    dialog.accept();
    EXPECT_FALSE(store().contains(QStringLiteral("Ports/COM3")));
    EXPECT_EQ(tarvo::platform::comPortDevicePath(2), "/dev/ttyS2");

    // Cancel keeps nothing.
    ComPortSetupDialog cancelled(2);
    devices(cancelled)->setEditText(QStringLiteral("/dev/ttyUSB3"));
    cancelled.reject();
    EXPECT_FALSE(store().contains(QStringLiteral("Ports/COM3")));
}

TEST_F(ComPortSetupDialogTest, AFileThatIsNoDeviceIsNamedAsNotASerialPort)
{
    store().setValue(QStringLiteral("Ports/COM8"), QStringLiteral("/etc/passwd"));
    ComPortSetupDialog dialog(7);
    EXPECT_EQ(ports(dialog)->itemText(7), QStringLiteral("COM8 (/etc/passwd, not a serial port)"));
    EXPECT_TRUE(note(dialog).contains(QStringLiteral("/etc/passwd is not a serial port")))
        << note(dialog).toStdString();
    EXPECT_FALSE(note(dialog).contains(QStringLiteral("present"))) << note(dialog).toStdString();
}

TEST_F(ComPortSetupDialogTest, ANetworkAddressIsTakenForAComNumberAndShown)
{
    ComPortSetupDialog dialog(6);
    devices(dialog)->lineEdit()->clear();
    QTest::keyClicks(devices(dialog)->lineEdit(), QStringLiteral("RFC2217://Kbd-Room3"));
    EXPECT_EQ(ports(dialog)->itemText(6), QStringLiteral("COM7 (RFC2217://Kbd-Room3, not a valid address)"));
    EXPECT_TRUE(note(dialog).contains(QStringLiteral("no port number"))) << note(dialog).toStdString();
    QTest::keyClicks(devices(dialog)->lineEdit(), QStringLiteral(":2001"));
    EXPECT_EQ(ports(dialog)->itemText(6), QStringLiteral("COM7 (RFC2217://Kbd-Room3:2001)"));
    EXPECT_TRUE(note(dialog).contains(QStringLiteral("network serial server"))) << note(dialog).toStdString();
    dialog.accept();

    const QString address = QStringLiteral("rfc2217://kbd-room3:2001");
    EXPECT_EQ(store().value(QStringLiteral("Ports/COM7")).toString(), address);
    EXPECT_EQ(QString::fromStdString(tarvo::platform::comPortDevicePath(6)), address);
    // Opened again: shown beside its COM number and offered for the others.
    ComPortSetupDialog again(0);
    EXPECT_EQ(ports(again)->itemText(6), QStringLiteral("COM7 (%1)").arg(address));
    EXPECT_TRUE(devicePaths(again).contains(address))
        << devicePaths(again).join(QLatin1Char(' ')).toStdString();
}

// A note that wraps to a second line grows the shown dialog instead of
// squeezing the lists above it.
TEST_F(ComPortSetupDialogTest, ANoteOfTwoLinesGrowsTheDialog)
{
    PseudoTerminal terminal;
    ASSERT_FALSE(terminal.path().isEmpty());
    store().setValue(QStringLiteral("Ports/COM2"), terminal.path());
    ComPortSetupDialog dialog(1);
    dialog.show();
    QCoreApplication::processEvents();
    devices(dialog)->lineEdit()->clear();
    QTest::keyClicks(devices(dialog)->lineEdit(), QStringLiteral("rfc2217://127.0.0.1:2001"));
    QCoreApplication::processEvents();
    EXPECT_GE(devices(dialog)->height(), devices(dialog)->sizeHint().height());
    EXPECT_GE(ports(dialog)->height(), ports(dialog)->sizeHint().height());
}

// The COM Port Settings dialog driven as a user would: its range messages,
// its values written to the port in the port's order and stopping at the
// first failure, and the port's values read at its start.

#include "support/fake_serial_port.h"

#include "serial/comm_port.h"
#include "ui/com_port/com_port_settings_dialog.h"
#include "ui/user_dialogs.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

using namespace tarvo;
using tarvo::ui::ComPortSettingsDialog;
using tarvo::ui::UserDialogs;
using Calls = std::vector<std::string>;

// Readable failures.
inline void PrintTo(const QString& text, std::ostream* out)
{
    *out << '"' << text.toStdString() << '"';
}

namespace {

class ComPortSettingsDialogTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        UserDialogs::setScripted(true);
        UserDialogs::reset();
    }
    void TearDown() override { UserDialogs::reset(); }

    template <typename W> static W* field(ComPortSettingsDialog& dialog, const char* name)
    {
        W* widget = dialog.findChild<W*>(QLatin1String(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    static void type(ComPortSettingsDialog& dialog, const char* edit, const QString& text)
    {
        QLineEdit* line = field<QLineEdit>(dialog, edit);
        line->clear();
        QTest::keyClicks(line, text);
    }
    static QStringList messages()
    {
        QStringList texts;
        for (const UserDialogs::Shown& shown : UserDialogs::shown())
            texts << shown.text;
        return texts;
    }
};

QString failureText(const char* ending)
{
    return QStringLiteral("An error occurred while attempting to set the COM port's ") +
           QLatin1String(ending);
}

} // namespace

TEST_F(ComPortSettingsDialogTest, OutOfRangeValuesAreRefusedWithTheirBoundsAndNeverReachThePort)
{
    struct Case {
        const char* edit;
        QString typed;
        QString message;
    };
    const QString inBuffer = QStringLiteral("In Buffer Size must be a value between 1 and 32767.");
    const Case cases[] = {
        {"inBufferSize", QStringLiteral("0"), inBuffer},
        {"inBufferSize", QStringLiteral("32768"), inBuffer},
        {"inBufferSize", QStringLiteral("99999"), inBuffer}, // beyond 16 bits: no wrap to a legal value
        {"inBufferSize", QString(), inBuffer},
        {"rThreshold", QStringLiteral("-1"),
         QStringLiteral("RThreshold must be a value between 0 and 32767.")},
        {"inputLen", QStringLiteral("32768"),
         QStringLiteral("Input Len must be a value between 0 and 32767.")},
        {"outBufferSize", QStringLiteral("0"),
         QStringLiteral("Out Buffer Size must be a value between 1 and 32767.")},
        {"sThreshold", QStringLiteral("65536"),
         QStringLiteral("SThreshold must be a value between 0 and 32767.")},
        {"parityReplace", QStringLiteral("256"),
         QStringLiteral("Parity Replace must be a value between 0 and 255.")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.edit) + " = " + c.typed.toStdString());
        UserDialogs::reset();
        serial::testing::FakeSerialPort device;
        device.refuseFourDataBitsAndOneAndHalfStop = false;
        serial::CCommPort port(device);
        ASSERT_TRUE(port.setPortOpen(true));
        device.calls.clear();
        serial::CommSettings record = serial::CommSettings::forDocument(2);
        const serial::CommSettings before = record;
        ComPortSettingsDialog dialog(record, &port);
        field<QComboBox>(dialog, "baud")->setCurrentIndex(serial::kBaudIndex57600);
        type(dialog, c.edit, c.typed);

        dialog.accept();

        EXPECT_EQ(messages(), QStringList{c.message});
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_TRUE(device.calls.empty()) << device.calls.front();
        EXPECT_EQ(record, before);
        EXPECT_EQ(field<QLineEdit>(dialog, c.edit)->selectedText(), c.typed);
    }
}

TEST_F(ComPortSettingsDialogTest, SeveralBadValuesReportTheFirstInTheDialogsOrder)
{
    serial::CommSettings record = serial::CommSettings::forDocument();
    ComPortSettingsDialog dialog(record, nullptr);
    type(dialog, "parityReplace", QStringLiteral("300"));
    type(dialog, "outBufferSize", QStringLiteral("0"));
    dialog.accept();
    EXPECT_EQ(messages(),
              QStringList{QStringLiteral("Out Buffer Size must be a value between 1 and 32767.")});

    // Corrected, the next one is reported; corrected too, the record takes them.
    UserDialogs::reset();
    type(dialog, "outBufferSize", QStringLiteral("600"));
    dialog.accept();
    EXPECT_EQ(messages(), QStringList{QStringLiteral("Parity Replace must be a value between 0 and 255.")});
    UserDialogs::reset();
    type(dialog, "parityReplace", QStringLiteral("63"));
    EXPECT_EQ(field<QLabel>(dialog, "parityReplaceCharacter")->text(), QStringLiteral("'?'"));
    dialog.accept();
    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(record.outBufferSize, 600);
    EXPECT_EQ(record.parityReplace, '?');
}

TEST_F(ComPortSettingsDialogTest, AnOpenPortGetsTheLineThenHandshakingThenTheModemLines)
{
    serial::testing::FakeSerialPort device;
    device.refuseFourDataBitsAndOneAndHalfStop = false;
    serial::CCommPort port(device);
    ASSERT_TRUE(port.configure(serial::CommSettings::forDocument(0)));
    ASSERT_TRUE(port.setPortOpen(true));
    device.calls.clear();
    serial::CommSettings record = serial::CommSettings::forDocument(0);
    ComPortSettingsDialog dialog(record, &port);

    field<QComboBox>(dialog, "baud")->setCurrentIndex(serial::kBaudIndex57600);
    field<QComboBox>(dialog, "parity")->setCurrentIndex(0); // Even
    field<QComboBox>(dialog, "handshaking")->setCurrentIndex(1);
    field<QCheckBox>(dialog, "rtsEnable")->setChecked(false);
    field<QCheckBox>(dialog, "dtrEnable")->setChecked(true);
    field<QComboBox>(dialog, "comPort")->setCurrentIndex(7); // not written while open
    type(dialog, "inBufferSize", QStringLiteral("4096"));    // nor this
    dialog.accept();

    EXPECT_TRUE(messages().isEmpty()) << messages().join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(device.calls, (Calls{"line 57600,E,8,1", "handshaking 1", "rts 0", "dtr 1"}));
    serial::CommSettings back;
    ASSERT_TRUE(port.readSettings(back));
    EXPECT_EQ(back.portIndex, 0);
    EXPECT_EQ(back.inBufferSize, 1024);
    EXPECT_EQ(back.baudIndex, serial::kBaudIndex57600);
    EXPECT_EQ(record.portIndex, 7);
    EXPECT_EQ(record.handshakingIndex, 1);
}

TEST_F(ComPortSettingsDialogTest, AWriteFailureStopsTheRestAndKeepsTheDialogOpen)
{
    struct Case {
        const char* failing;
        QString message;
        Calls calls;
    };
    const Case cases[] = {
        {"line",
         failureText("general settings (Baud, Parity, Data Bits, and Stop Bits)."),
         {"line 19200,N,8,1"}},
        {"handshaking", failureText("Handshaking value."), {"line 19200,N,8,1", "handshaking 3"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.failing);
        UserDialogs::reset();
        serial::testing::FakeSerialPort device;
        device.refuseFourDataBitsAndOneAndHalfStop = false;
        serial::CCommPort port(device);
        ASSERT_TRUE(port.configure(serial::CommSettings::forDocument(0)));
        ASSERT_TRUE(port.setPortOpen(true));
        device.calls.clear();
        device.failingApply = c.failing;
        serial::CommSettings record = serial::CommSettings::forDocument(0);
        const serial::CommSettings before = record;
        ComPortSettingsDialog dialog(record, &port);
        field<QComboBox>(dialog, "handshaking")->setCurrentIndex(3);
        dialog.accept();

        EXPECT_EQ(messages(), QStringList{c.message + QStringLiteral("\n\nthe device refused it")});
        EXPECT_EQ(device.calls, c.calls);
        EXPECT_NE(dialog.result(), QDialog::Accepted);
        EXPECT_EQ(record, before);
    }
}

TEST_F(ComPortSettingsDialogTest, AClosedPortTakesThePortNumberAndBufferSizes)
{
    serial::testing::FakeSerialPort device;
    device.refuseFourDataBitsAndOneAndHalfStop = false;
    serial::CCommPort port(device);
    serial::CommSettings record = serial::CommSettings::forDocument(0);
    ComPortSettingsDialog dialog(record, &port);
    field<QComboBox>(dialog, "comPort")->setCurrentIndex(4);
    type(dialog, "inBufferSize", QStringLiteral("2048"));
    type(dialog, "outBufferSize", QStringLiteral("256"));
    type(dialog, "sThreshold", QStringLiteral("3"));
    dialog.accept();

    ASSERT_EQ(dialog.result(), QDialog::Accepted) << messages().join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(device.calls.empty()); // a closed device is configured when it opens
    serial::CommSettings back;
    ASSERT_TRUE(port.readSettings(back));
    EXPECT_EQ(back, record);
    EXPECT_EQ(back.portIndex, 4);
    EXPECT_EQ(back.inBufferSize, 2048);
    EXPECT_EQ(back.outBufferSize, 256);
    ASSERT_TRUE(port.setPortOpen(true));
    EXPECT_EQ(device.calls, Calls{"open 5"});
}

TEST_F(ComPortSettingsDialogTest, StartsFromThePortsOwnValues)
{
    serial::testing::FakeSerialPort device;
    device.refuseFourDataBitsAndOneAndHalfStop = false;
    serial::CCommPort port(device);
    serial::CommSettings onPort = serial::CommSettings::forDocument(9);
    onPort.baudIndex = serial::kBaudIndex57600;
    onPort.parityReplace = '#';
    onPort.nullDiscard = 1;
    ASSERT_TRUE(port.configure(onPort));
    serial::CommSettings record = serial::CommSettings::forDocument(0);
    ComPortSettingsDialog dialog(record, &port);

    EXPECT_TRUE(messages().isEmpty());
    EXPECT_EQ(field<QComboBox>(dialog, "comPort")->currentText(), QStringLiteral("COM10"));
    EXPECT_EQ(field<QComboBox>(dialog, "baud")->currentText(), QStringLiteral("57600"));
    EXPECT_EQ(field<QComboBox>(dialog, "handshaking")->currentText(), QStringLiteral("RTS"));
    EXPECT_EQ(field<QComboBox>(dialog, "inputMode")->currentText(), QStringLiteral("Binary"));
    EXPECT_EQ(field<QLineEdit>(dialog, "parityReplace")->text(), QStringLiteral("35"));
    EXPECT_EQ(field<QLabel>(dialog, "parityReplaceCharacter")->text(), QStringLiteral("'#'"));
    EXPECT_TRUE(field<QCheckBox>(dialog, "nullDiscard")->isChecked());
    EXPECT_EQ(dialog.fieldValues(), onPort);

    // Cancel leaves the record as it was.
    dialog.reject();
    EXPECT_EQ(record, serial::CommSettings::forDocument(0));
}

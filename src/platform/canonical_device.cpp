#include "platform/canonical_device.h"

#include "serial/network_port_address.h"

#include <QDir>
#include <QFileInfo>

namespace tarvo::platform {

namespace {
const QString kSerialById = QStringLiteral("/dev/serial/by-id");
} // namespace

std::string canonicalDevice(const std::string& named)
{
    if (serial::isNetworkPortName(named))
        return serial::canonicalDeviceName(named);
    const QString resolved = QFileInfo(QString::fromStdString(named)).canonicalFilePath();
    if (resolved.isEmpty())
        return named;
    const QFileInfoList byId =
        QDir(kSerialById).entryInfoList(QDir::System | QDir::NoDotAndDotDot, QDir::Name);
    for (const QFileInfo& link : byId)
        if (link.canonicalFilePath() == resolved)
            return link.absoluteFilePath().toStdString();
    return resolved.toStdString();
}

} // namespace tarvo::platform

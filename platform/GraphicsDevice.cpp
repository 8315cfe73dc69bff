#include "platform/GraphicsDevice.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <unistd.h>

namespace {

QString& DeviceRoot() {
    static QString root;
    return root;
}

bool EnvironmentAsksForSoftware() {
    const QByteArray always = qgetenv("LIBGL_ALWAYS_SOFTWARE").toLower();
    const QByteArray gallium = qgetenv("GALLIUM_DRIVER");
    return (!always.isEmpty() && always != "0" && always != "false" && always != "no") ||
           gallium == "llvmpipe" || gallium == "softpipe" || gallium == "swr";
}

// Render nodes of virtual devices that draw nothing themselves.
bool IsGraphicsDriver(const QString& driver) {
    return !driver.isEmpty() && driver != QLatin1String("vgem") && driver != QLatin1String("vkms");
}

bool UsableRenderNode() {
    const QDir dri(DeviceRoot() + QStringLiteral("/dev/dri"));
    for (const QFileInfo& node :
         dri.entryInfoList({QStringLiteral("renderD*")}, QDir::System | QDir::Files)) {
        const QString driver = QFileInfo(DeviceRoot() + QStringLiteral("/sys/class/drm/") +
                                         node.fileName() + QStringLiteral("/device/driver"))
                                   .symLinkTarget();
        if (IsGraphicsDriver(QFileInfo(driver).fileName()) &&
            ::access(QFile::encodeName(node.filePath()).constData(), R_OK | W_OK) == 0)
            return true;
    }
    return false;
}

} // namespace

void SetDeviceRootForTesting(const QString& root) {
    DeviceRoot() = root;
}

bool GraphicsHardwarePresent() {
    if (EnvironmentAsksForSoftware())
        return false;
    return QFileInfo::exists(DeviceRoot() + QStringLiteral("/dev/nvidiactl")) || UsableRenderNode();
}

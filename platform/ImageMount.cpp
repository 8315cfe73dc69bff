#include "platform/ImageMount.h"

#include "platform/Exceptions.h"
#include "platform/FuseIsoImage.h"
#include "platform/UDisksImage.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <array>

namespace {

// The volume recognition area starts at byte 32768, one 2048-byte sector per
// descriptor; each names its standard at offset 1.
constexpr qint64 kRecognitionStart = 16 * 2048;
constexpr int kDescriptorSize = 2048;
constexpr int kDescriptorsLooked = 16;

bool NamesADiscStandard(const QByteArray& descriptor) {
    static const std::array<const char*, 4> identifiers = {"CD001", "BEA01", "NSR02", "NSR03"};
    for (const char* identifier : identifiers) {
        if (descriptor.mid(1, 5) == identifier)
            return true;
    }
    return false;
}

} // namespace

QString DiscImageProblem(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists())
        return QCoreApplication::translate("ImageMount", "%1: no such file").arg(path);
    if (!info.isFile())
        return QCoreApplication::translate("ImageMount", "%1 is not a file").arg(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QCoreApplication::translate("ImageMount", "cannot read %1: %2")
            .arg(path, file.errorString());
    if (file.seek(kRecognitionStart)) {
        for (int i = 0; i < kDescriptorsLooked; ++i) {
            if (NamesADiscStandard(file.read(kDescriptorSize)))
                return {};
        }
    }
    return QCoreApplication::translate("ImageMount", "%1 is not a disc image (ISO 9660 or UDF)")
        .arg(path);
}

std::unique_ptr<TImageMount> MountImage(const QString& image) {
    const QString problem = DiscImageProblem(image);
    if (!problem.isEmpty())
        throw Exception(problem.toStdString());
    const auto bus = UDisksBus();
    if (!bus)
        return MountWithFuseIso(image);
    try {
        return MountWithUDisks(*bus, image);
    } catch (const Exception& refused) {
        // UDisks2 may refuse this user (a remote session, say); fuseiso needs no permission.
        try {
            return MountWithFuseIso(image);
        } catch (const Exception& failed) {
            throw Exception(std::string(refused.what()) + "\n" + failed.what());
        }
    }
}

#include "ForeignFolder.h"

#include <QDir>
#include <QFile>

#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr uid_t Nobody = 65534;

} // namespace

bool MakeForeignFolder(const QString& path)
{
    const QByteArray native = QFile::encodeName(path);
    return ::geteuid() != Nobody && QDir().mkpath(path) && ::chmod(native.constData(), 0777) == 0
           && ::chown(native.constData(), Nobody, Nobody) == 0;
}

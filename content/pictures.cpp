#include "pictures.h"

#include <QFile>

namespace content {
namespace {

// The pictures are compiled into the program as Qt resources: reading one
// reads memory, not a file.
QByteArray resource(const char *path)
{
    QFile file(QString::fromLatin1(path));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

QByteArray bannerPicture() { return resource(":/tavoreno/banner.jpg"); }

QByteArray programIcon() { return resource(":/tavoreno/icon.png"); }

} // namespace content

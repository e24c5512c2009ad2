// What every backend of Files shares: operations built from its own.
#include "files.h"

#include <QDir>
#include <QFileInfo>

namespace kordavel {

QString fileBehind(const QString &path)
{
    const QFileInfo info(path);
    if (!info.isSymbolicLink())
        return path;
    const QString target = info.canonicalFilePath();
    return QDir::toNativeSeparators(target.isEmpty() ? info.symLinkTarget() : target);
}

FileResult replaceInOneStep(Files &files, const QString &path, const QByteArray &content)
{
    const QString folder = QDir::toNativeSeparators(QFileInfo(path).absolutePath());
    const QString fresh = path + QStringLiteral(".new");
    if (files.isFile(fresh))
        files.remove(fresh); // left by a crash
    if (FileResult written = files.createDurable(fresh, content); !written)
        return written;
    if (FileResult replaced = files.rename(fresh, path); !replaced) {
        files.remove(fresh);
        return replaced;
    }
    // The content is in place; a folder that cannot be flushed only delays
    // its reaching the disk.
    files.syncDir(folder);
    return {};
}

} // namespace kordavel

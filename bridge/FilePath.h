#pragma once

#include <QFile>
#include <QString>

#include <filesystem>

namespace tenvik {

// File names between Qt and the plain layers. A name from Qt as the plain layers take it:
// the bytes the system gives the name on POSIX; on Windows its UTF-16 form, since the 8-bit
// form is the ANSI code page, which cannot hold every name a user may choose.
inline std::filesystem::path FilePathOf(const QString& name)
{
#ifdef _WIN32
    return std::filesystem::path(name.toStdWString());
#else
    const QByteArray bytes = QFile::encodeName(name);
    return std::filesystem::path(std::string(bytes.constData(), static_cast<std::size_t>(bytes.size())));
#endif
}

inline QString DisplayPathOf(const std::filesystem::path& path)
{
#ifdef _WIN32
    return QString::fromStdWString(path.native());
#else
    return QFile::decodeName(QByteArray::fromStdString(path.native()));
#endif
}

} // namespace tenvik

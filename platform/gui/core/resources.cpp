#include "platform/gui/core/resources.h"

#include "support/utf8.h"

#include <QFile>

#include <algorithm>
#include <cstring>
#include <optional>

namespace {

QString ResourcePath(const std::string& name, TResourceType type)
{
    const char* folder = type == RT_BITMAP ? "bitmaps" : type == RT_CURSOR ? "cursors" : "data";
    return QStringLiteral(":/%1/%2").arg(folder, QString::fromStdString(AsciiUpperCase(name)));
}

// A name is one word of the list: a path would reach into another kind's folder.
bool IsPlainName(const std::string& name)
{
    return !name.empty() && name.find('/') == std::string::npos && name != "." && name != "..";
}

std::optional<std::string> ResourceBytes(const std::string& name, TResourceType type)
{
    if (!IsPlainName(name))
        return std::nullopt;
    QFile file(ResourcePath(name, type));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll().toStdString();
}

} // namespace

bool FindResource(const std::string& name, TResourceType type)
{
    return IsPlainName(name) && QFile::exists(ResourcePath(name, type));
}

TResourceStream::TResourceStream(const std::string& name, TResourceType type)
{
    std::optional<std::string> bytes = ResourceBytes(name, type);
    if (!bytes)
        throw EResNotFound("Resource " + name + " not found");
    bytes_ = std::move(*bytes);
}

int64_t TResourceStream::Read(void* buffer, int64_t count)
{
    const int64_t available = std::max<int64_t>(Size() - position_, 0);
    const int64_t n = std::clamp<int64_t>(count, 0, available);
    if (n > 0) {
        std::memcpy(buffer, bytes_.data() + position_, static_cast<size_t>(n));
        position_ += n;
    }
    return n;
}

int64_t TResourceStream::Write(const void*, int64_t)
{
    throw EStreamError("A resource stream cannot be written");
}

int64_t TResourceStream::Seek(int64_t offset, TSeekOrigin origin)
{
    const int64_t base = origin == soBeginning ? 0 : origin == soCurrent ? position_ : Size();
    position_ = std::max<int64_t>(base + offset, 0);
    return position_;
}

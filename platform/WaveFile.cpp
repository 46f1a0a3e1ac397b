#include "platform/WaveFile.h"

#include <cstdint>

#include <QByteArray>
#include <QFile>

namespace tutor {

namespace {
std::uint32_t littleEndian32(const QByteArray& bytes, int at) {
    std::uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<std::uint8_t>(bytes[at + i]);
    return v;
}
}  // namespace

bool isCompleteWave(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const qint64 size = file.size();
    const QByteArray riff = file.read(12);
    if (riff.size() < 12 || !riff.startsWith("RIFF") || riff.mid(8, 4) != "WAVE") return false;
    bool format = false;
    qint64 at = 12;
    while (at + 8 <= size) {
        if (!file.seek(at)) return false;
        const QByteArray header = file.read(8);
        if (header.size() < 8) return false;
        const qint64 length = littleEndian32(header, 4);
        const qint64 body = at + 8;
        if (length > size - body) return false;  // cut short
        const QByteArray id = header.left(4);
        if (id == "fmt ") {
            if (length < 16) return false;
            format = true;
        } else if (id == "data") {
            return format;
        }
        at = body + length + (length & 1);  // chunks are padded to even lengths
    }
    return false;
}

}  // namespace tutor

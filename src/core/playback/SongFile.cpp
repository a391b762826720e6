#include "playback/SongFile.h"

#include <array>
#include <cstring>

namespace {
// kbit/s by [MPEG-1?][layer 1..3][index 1..14].
constexpr std::array<std::array<std::array<int, 15>, 3>, 2> kBitrates{{
    {{{0, 32, 48, 56, 64, 80, 96, 112, 128, 144, 160, 176, 192, 224, 256},
      {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160},
      {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160}}},
    {{{0, 32, 64, 96, 128, 160, 192, 224, 256, 288, 320, 352, 384, 416, 448},
      {0, 32, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320, 384},
      {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320}}},
}};
constexpr std::array<int, 3> kMpeg1Rates{44100, 48000, 32000};

int mpegFrameLength(const uchar *h)
{
    if (h[0] != 0xFF || (h[1] & 0xE0) != 0xE0)
        return 0;
    const int version = (h[1] >> 3) & 3;   // 0: 2.5, 1: reserved, 2: 2, 3: 1
    const int layerBits = (h[1] >> 1) & 3; // 1: III, 2: II, 3: I
    const int bitrateIndex = h[2] >> 4;
    const int rateIndex = (h[2] >> 2) & 3;
    if (version == 1 || layerBits == 0 || bitrateIndex == 0 || bitrateIndex == 15 || rateIndex == 3)
        return 0;
    const bool mpeg1 = version == 3;
    const int layer = 4 - layerBits;
    const int bitrate = kBitrates[mpeg1][layer - 1][bitrateIndex] * 1000;
    const int rate = kMpeg1Rates[rateIndex] >> (mpeg1 ? 0 : version == 2 ? 1 : 2);
    const int padding = (h[2] >> 1) & 1;
    if (layer == 1)
        return (12 * bitrate / rate + padding) * 4;
    return (layer == 3 && !mpeg1 ? 72 : 144) * bitrate / rate + padding;
}

int adtsFrameLength(const uchar *h)
{
    // Sync, layer 0, a known sampling index.
    if (h[0] != 0xFF || (h[1] & 0xF6) != 0xF0 || ((h[2] >> 2) & 0xF) > 12)
        return 0;
    const int length = ((h[3] & 0x03) << 11) | (h[4] << 3) | (h[5] >> 5);
    const int header = (h[1] & 1) ? 7 : 9;
    return length > header ? length : 0;
}

constexpr qsizetype kOggHeader = 27;

QByteArray synchsafe(quint32 value)
{
    const char bytes[] = {char((value >> 21) & 0x7F), char((value >> 14) & 0x7F), char((value >> 7) & 0x7F),
                          char(value & 0x7F)};
    return QByteArray(bytes, 4);
}

QByteArray textFrame(const char *id, const QString &text)
{
    if (text.isEmpty())
        return {};
    const QByteArray body = '\x03' + text.toUtf8(); // UTF-8
    return QByteArray(id) + synchsafe(quint32(body.size())) + QByteArray(2, '\0') + body;
}
} // namespace

namespace SongFile {

Kind kindFor(const QString &mediaType, int mpegVersion)
{
    if (mediaType == QLatin1String("audio/mpeg"))
        return mpegVersion == 1 ? Kind::Mpeg : Kind::Adts;
    if (mediaType == QLatin1String("audio/aac") || mediaType == QLatin1String("audio/x-aac"))
        return Kind::Adts;
    if (mediaType == QLatin1String("application/ogg") || mediaType == QLatin1String("audio/ogg"))
        return Kind::Ogg;
    return Kind::Unknown;
}

QString extension(Kind kind)
{
    switch (kind) {
    case Kind::Mpeg:
        return QStringLiteral("mp3");
    case Kind::Adts:
        return QStringLiteral("aac");
    case Kind::Ogg:
        return QStringLiteral("ogg");
    case Kind::Unknown:
        break;
    }
    return {};
}

int frameLength(Kind kind, const uchar *data, qsizetype size)
{
    if (kind == Kind::Mpeg && size >= 4)
        return mpegFrameLength(data);
    if (kind == Kind::Adts && size >= 7)
        return adtsFrameLength(data);
    if (kind == Kind::Ogg)
        return oggPage(data, size).length;
    return 0;
}

qsizetype firstFrame(Kind kind, const QByteArray &data)
{
    const auto *bytes = reinterpret_cast<const uchar *>(data.constData());
    for (qsizetype pos = 0; pos < data.size(); ++pos) {
        const int length = frameLength(kind, bytes + pos, data.size() - pos);
        if (length > 0 && pos + length < data.size() &&
            frameLength(kind, bytes + pos + length, data.size() - pos - length) > 0)
            return pos;
    }
    return -1;
}

OggPage oggPage(const uchar *data, qsizetype size)
{
    if (size < kOggHeader || std::memcmp(data, "OggS", 4) != 0 || data[4] != 0)
        return {};
    const int segments = data[26];
    if (size < kOggHeader + segments)
        return {};
    int length = int(kOggHeader) + segments;
    for (int i = 0; i < segments; ++i)
        length += data[kOggHeader + i];
    qint64 granule = 0;
    for (int i = 13; i >= 6; --i)
        granule = (granule << 8) | data[i];
    return {length, (data[5] & 0x02) != 0, granule};
}

void OggHeaders::take(const QByteArray &bytes, qint64 offset)
{
    if (m_carry.isEmpty())
        m_carryOffset = offset;
    m_carry += bytes;
    qsizetype pos = 0;
    while (pos < m_carry.size()) {
        const auto *data = reinterpret_cast<const uchar *>(m_carry.constData()) + pos;
        const qsizetype left = m_carry.size() - pos;
        const OggPage page = oggPage(data, left);
        if (page.length == 0 && left >= kOggHeader + 255 && std::memcmp(data, "OggS", 4) != 0) {
            // Not on a page: the next capture pattern.
            const qsizetype next = m_carry.indexOf("OggS", pos + 1);
            pos = next < 0 ? m_carry.size() - 3 : next;
            continue;
        }
        if (page.length == 0 || page.length > left)
            break; // the rest arrives later
        if (page.begins) {
            m_chains.append({m_carryOffset + pos, QByteArray()});
            m_gathering = true;
        }
        if (m_gathering && (page.begins || page.granule == 0))
            m_chains.last().headers.append(reinterpret_cast<const char *>(data), page.length);
        else
            m_gathering = false;
        pos += page.length;
    }
    m_carry.remove(0, pos);
    m_carryOffset += pos;
}

QByteArray OggHeaders::at(qint64 offset) const
{
    QByteArray headers;
    for (const Chain &chain : m_chains) {
        if (chain.offset > offset)
            break;
        headers = chain.headers;
    }
    return headers;
}

void OggHeaders::dropBefore(qint64 offset)
{
    while (m_chains.size() > 1 && m_chains.at(1).offset <= offset)
        m_chains.removeFirst();
}

void OggHeaders::clear()
{
    m_chains.clear();
    m_carry.clear();
    m_gathering = false;
}

QByteArray id3Tag(const Tags &tags)
{
    const QByteArray frames = textFrame("TPE1", tags.artist) + textFrame("TIT2", tags.title) +
                              textFrame("TRSN", tags.station) +
                              textFrame("TDRC", tags.date.toString(Qt::ISODate));
    return QByteArray("ID3\x04\x00\x00", 6) + synchsafe(quint32(frames.size())) + frames;
}

qint64 writeFrames(Kind kind, qint64 from, qint64 to, const std::function<QByteArray(qint64, qint64)> &read,
                   const std::function<bool(const QByteArray &)> &write)
{
    // A window of the stream; a frame is at most 8 KiB (an ADTS frame's 13-bit length), an Ogg
    // page 64 KiB.
    constexpr qint64 chunk = 64 * 1024;
    const qint64 maxFrame = kind == Kind::Ogg ? 65307 : 8192;
    QByteArray window;
    qint64 windowStart = from;
    qint64 pos = from;
    qint64 written = 0;
    bool synced = false;
    QByteArray pending; // frames gathered for one write
    const auto flush = [&] {
        if (pending.isEmpty())
            return true;
        const bool ok = write(pending);
        written += pending.size();
        pending.clear();
        return ok;
    };
    while (pos < to) {
        const qint64 windowEnd = windowStart + window.size();
        if (pos + 2 * maxFrame > windowEnd && windowEnd < to) {
            const QByteArray more = read(windowEnd, std::min(chunk, to - windowEnd));
            window = window.mid(pos - windowStart) + more;
            windowStart = pos;
            if (more.isEmpty() && window.isEmpty())
                break;
        }
        const auto *data = reinterpret_cast<const uchar *>(window.constData()) + (pos - windowStart);
        const qsizetype available = qsizetype(std::min(windowStart + window.size(), to) - pos);
        const int length = frameLength(kind, data, available);
        if (length > 0 && pos + length > to)
            break; // the frame that the end cuts through is left out
        bool whole = length > 0 && length <= available;
        if (whole && !synced && pos + length < to) {
            const int next = frameLength(kind, data + length, available - length);
            // Near the end the next header may not be all there.
            whole = next > 0 || available - length < (kind == Kind::Ogg ? kOggHeader + 255 : 7);
        }
        if (!whole) {
            synced = false;
            ++pos;
            continue;
        }
        synced = true;
        pending.append(reinterpret_cast<const char *>(data), length);
        pos += length;
        if (pending.size() >= chunk && !flush())
            return -1;
    }
    return flush() ? written : -1;
}

} // namespace SongFile

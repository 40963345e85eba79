#include "tests/uploader/video_records.h"

#include <cstdio>

std::string toHex(const std::string& bytes)
{
    static const char digits[] = "0123456789abcdef";
    std::string hex;
    for (unsigned char c : bytes) {
        hex += digits[c >> 4];
        hex += digits[c & 15];
    }
    return hex;
}

static int hexDigit(char c)
{
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

std::string fromHex(const std::string& hex)
{
    std::string bytes;
    for (size_t i = 0; i + 1 < hex.size(); i += 2) {
        int hi = hexDigit(hex[i]), lo = hexDigit(hex[i + 1]);
        if (hi < 0 || lo < 0) break;
        bytes += static_cast<char>(hi * 16 + lo);
    }
    return bytes;
}

static std::vector<std::string> splitTabs(const std::string& line)
{
    std::vector<std::string> fields(1);
    for (char c : line) {
        if (c == '\t')
            fields.emplace_back();
        else if (c != '\r' && c != '\n')
            fields.back() += c;
    }
    return fields;
}

std::vector<VideoRecord> readVideoList(const wchar_t* path)
{
    std::vector<VideoRecord> videos;
    FILE* file = _wfopen(path, L"rb");
    if (!file) return videos;
    std::string line;
    int c;
    do {
        c = fgetc(file);
        if (c != EOF && c != '\n') {
            line += static_cast<char>(c);
            continue;
        }
        std::vector<std::string> f = splitTabs(line);
        line.clear();
        if (f.size() < 6) continue;
        videos.push_back({fromHex(f[0]), fromHex(f[1]), fromHex(f[2]), fromHex(f[3]), fromHex(f[4]),
                          fromHex(f[5])});
    } while (c != EOF);
    fclose(file);
    return videos;
}

std::string formatVideoLine(const VideoRecord& v)
{
    return toHex(v.fileName) + "\t" + toHex(v.fileSize) + "\t" + toHex(v.title) + "\t" + toHex(v.tags) +
           "\t" + toHex(v.description) + "\t" + toHex(v.category) + "\n";
}

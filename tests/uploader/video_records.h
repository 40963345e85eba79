// The stand-in's videos: read from the list file, written back when the stand-in quits.
// Every field is a byte string in code page 936, stored in the files as hexadecimal so that any
// byte (tab, newline, lead bytes) survives. One video per line, six tab-separated fields:
// file name, file size, title, tags, description, category.
#pragma once

#include <string>
#include <vector>

struct VideoRecord {
    std::string fileName;
    std::string fileSize;
    std::string title;
    std::string tags;
    std::string description;
    std::string category;
};

std::string toHex(const std::string& bytes);
std::string fromHex(const std::string& hex);

// Reads the list file; an unreadable file gives no videos.
std::vector<VideoRecord> readVideoList(const wchar_t* path);
// One line per video, in the list's format.
std::string formatVideoLine(const VideoRecord& video);

// Writes the program's emblem as a PNG of the given size, drawn by the same
// code as the window icon, so the installed icons always match it.
//
// Usage: velmar_icon_renderer SIZE FILE

#include <QImage>
#include <QString>

#include <charconv>
#include <cstdio>
#include <string_view>

#include "widgets/application_icon.h"

namespace {

constexpr int LargestSize = 1024;

bool readSize(std::string_view text, int& size)
{
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), size);
    return error == std::errc() && end == text.data() + text.size() && size > 0 && size <= LargestSize;
}

} // namespace

int main(int argc, char** argv)
{
    int size = 0;
    if (argc != 3 || !readSize(argv[1], size)) {
        std::fprintf(stderr, "usage: velmar_icon_renderer SIZE FILE (SIZE from 1 to %d)\n", LargestSize);
        return 2;
    }
    const QString file = QString::fromLocal8Bit(argv[2]);
    if (!velmar::ApplicationIconImage(size).save(file, "PNG")) {
        std::fprintf(stderr, "velmar_icon_renderer: cannot write %s\n", argv[2]);
        return 1;
    }
    return 0;
}

// Build step: writes the files a desktop needs to show the program, made
// from the program's own resources so they never drift apart: the launcher
// (Tabulon.desktop) and the icon as PNG pictures at the usual sizes plus a
// scalable SVG, laid out as in share/ (applications/, icons/hicolor/).
//
// Usage: tabulon_desktop_files OUTPUT-FOLDER SIZE...

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>
#include <zlib.h>

#include "platform/LauncherEntry.h"
#include "resources/IconImage.h"
#include "resources/IconSvg.h"
#include "resources/Images.h"

namespace {

void PutBigEndian(std::string& out, std::uint32_t value)
{
    for (int shift = 24; shift >= 0; shift -= 8) out += static_cast<char>((value >> shift) & 0xFF);
}

void PutChunk(std::string& out, const char* type, const std::string& data)
{
    PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
    const std::string body = std::string(type, 4) + data;
    out += body;
    PutBigEndian(out, static_cast<std::uint32_t>(
                          crc32(0, reinterpret_cast<const Bytef*>(body.data()), static_cast<uInt>(body.size()))));
}

// An 8-bit RGBA PNG; empty when compression fails.
std::string EncodePng(const IconImage& image)
{
    std::string raw;
    const std::size_t rowBytes = static_cast<std::size_t>(image.width) * 4;
    for (int y = 0; y < image.height; ++y) {
        raw += '\0';  // no filter
        raw.append(reinterpret_cast<const char*>(&image.rgba[y * rowBytes]), rowBytes);
    }
    uLongf packedSize = compressBound(static_cast<uLong>(raw.size()));
    std::vector<Bytef> packed(packedSize);
    if (compress2(packed.data(), &packedSize, reinterpret_cast<const Bytef*>(raw.data()),
                  static_cast<uLong>(raw.size()), Z_BEST_COMPRESSION) != Z_OK)
        return {};

    std::string png = "\x89PNG\r\n\x1a\n";
    std::string header;
    PutBigEndian(header, static_cast<std::uint32_t>(image.width));
    PutBigEndian(header, static_cast<std::uint32_t>(image.height));
    header += std::string("\x08\x06\x00\x00\x00", 5);  // 8 bits, RGBA, deflate, no filter set, no interlace
    PutChunk(png, "IHDR", header);
    PutChunk(png, "IDAT", std::string(reinterpret_cast<const char*>(packed.data()), packedSize));
    PutChunk(png, "IEND", "");
    return png;
}

bool WriteFile(const std::filesystem::path& path, const std::string& bytes)
{
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    std::FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) {
        std::fprintf(stderr, "tabulon_desktop_files: cannot write %s\n", path.c_str());
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

}  // namespace

int main(int argc, char** argv)
{
    std::vector<int> sizes;
    for (int i = 2; i < argc; ++i) {
        const int size = std::atoi(argv[i]);
        if (size < 1 || size > 1024) {
            std::fprintf(stderr, "tabulon_desktop_files: bad icon size %s\n", argv[i]);
            return 2;
        }
        sizes.push_back(size);
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: tabulon_desktop_files OUTPUT-FOLDER SIZE...\n");
        return 2;
    }
    const std::filesystem::path out = argv[1];
    IconImage icon;
    if (!DecodeXpm(ProgramIcon(), &icon)) {
        std::fprintf(stderr, "tabulon_desktop_files: the program icon is not a valid XPM picture\n");
        return 1;
    }
    bool ok = WriteFile(out / "applications" / kLauncherDesktopId, LauncherEntryText("tabulon", kLauncherComment));
    const std::filesystem::path icons = out / "icons" / "hicolor";
    const std::string iconFile = std::string(kProgramIconName);
    for (const int size : sizes) {
        const std::string png = EncodePng(ScaleIcon(icon, size));
        const std::string folder = std::to_string(size) + "x" + std::to_string(size);
        ok = !png.empty() && WriteFile(icons / folder / "apps" / (iconFile + ".png"), png) && ok;
    }
    ok = WriteFile(icons / "scalable" / "apps" / (iconFile + ".svg"), IconSvg(icon)) && ok;
    return ok ? 0 : 1;
}

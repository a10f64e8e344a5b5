#include "view/wx/FirstPaintProbe.h"

#include <cstdio>
#include <cstdlib>
#include <ctime>

void NoteDataPanePainted(bool showsFileRecords)
{
    static const char* const marker = std::getenv("TABULON_FIRST_PAINT_FILE");
    static bool noted = false;
    if (!marker || noted || !showsFileRecords) return;
    noted = true;
    timespec now{};
    ::clock_gettime(CLOCK_MONOTONIC, &now);
    if (std::FILE* file = std::fopen(marker, "w")) {
        std::fprintf(file, "%ld.%09ld\n", static_cast<long>(now.tv_sec), now.tv_nsec);
        std::fclose(file);
    }
}

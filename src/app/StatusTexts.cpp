#include "app/StatusTexts.h"

#include <cstdio>

std::string CaretPositionText(std::int64_t caretRecord, std::int32_t caretByte)
{
    char text[48];
    // In 64 bits everywhere (a long has 32 on Windows).
    std::snprintf(text, sizeof text, "[%lld,%lld]", static_cast<long long>(caretRecord) + 1,
                  static_cast<long long>(caretByte) + 1);
    return text;
}

std::string CaretByteText(std::int32_t recordLength, std::int32_t caretByte,
                          std::uint8_t byteAtCaret)
{
    char text[48];
    if (recordLength == 1) std::snprintf(text, sizeof text, " 1 byte ");
    else std::snprintf(text, sizeof text, "%d bytes ", static_cast<int>(recordLength));
    std::string result = text;
    if (caretByte >= recordLength) {
        result += "[eol]";
    } else if (byteAtCaret != 0) {
        // The byte itself stands between the quotes, whatever its value.
        result += "['";
        result += static_cast<char>(byteAtCaret);
        std::snprintf(text, sizeof text, "',0x%x]", static_cast<unsigned>(byteAtCaret));
        result += text;
    } else {
        result += "['',0x00]";
    }
    return result;
}

const char* HexPaneText(std::int32_t rowsPerRecord) { return rowsPerRecord == 1 ? "   " : "HEX"; }

const char* FormatPaneText(std::uint32_t storedMode)
{
    switch (storedMode) {
    case 1: return "DOS";
    case 2: return "UNX";
    default: return "BIN";
    }
}

const char* SourcePaneText(bool sourceMode) { return sourceMode ? "SRC" : "   "; }

const char* InsertPaneText(bool insertMode) { return insertMode ? "INS" : "OVR"; }

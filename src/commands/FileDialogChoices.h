#pragma once
#include <cstdint>
#include <string>

// What the Open and Save dialogs add to the system's file dialogs, without
// the toolkit: the "Open As" choice with its remembered mode and width, the
// Width entry's check, and the "Format" list of the Save dialog.

// The "Open As" radio buttons, in group order.
enum OpenAs : std::int32_t { kOpenAsAuto = 0, kOpenAsBinary = 1, kOpenAsDos = 2, kOpenAsUnix = 3 };

// The Open dialog's choice, kept between its uses until the program ends:
// the mode request (0 AUTO or binary, 1 DOS, 2 UNIX) and the record width
// (not 0 only for Binary).
extern std::uint16_t lastOpenMode;
extern std::int32_t lastOpenWidth;

inline constexpr std::int32_t kDefaultOpenWidth = 64;
inline constexpr std::int32_t kMaxOpenWidth = 65535;
inline constexpr char kDefaultWidthText[] = "64";

// The radio button checked when the dialog opens.
std::int32_t InitialOpenAs(std::uint16_t mode, std::int32_t width);
// Remembers the choice once the dialog has closed (with Open or Cancel).
void RememberOpenAs(std::int32_t openAs, std::uint16_t* mode, std::int32_t* width);

// Reading the Width entry as an integer from 0 to 65535.
enum class WidthEntry { Ok, NotInteger, OutOfRange };
// Leading and trailing blanks are allowed, a sign and digits must fill the
// rest. `width` changes only when the answer is Ok.
WidthEntry ParseWidthEntry(const std::string& text, std::int32_t* width);
// The message for a refused entry (empty for Ok).
std::string WidthEntryMessage(WidthEntry result);

// The Save dialog's "Format" list.
inline constexpr int kSaveFormatCount = 3;
extern const char* const kSaveFormatNames[kSaveFormatCount];
// The entry selected for a stored format: 1 when bit 0 (DOS) is set, else 2
// when bit 1 (UNIX) is, else 0 (binary).
int SaveFormatIndex(std::int32_t format);
// The format an entry stands for: 0 binary, 1 DOS, 2 UNIX.
std::int16_t SaveFormatFromIndex(int index);

// File type filters of the two dialogs in the "name|patterns|..." notation.
extern const char kOpenFilter[];
extern const char kSaveFilter[];

#pragma once
#include <string>

// Reading the number fields of the Options sheet, with the messages of a
// refused entry.

// An integer field: blanks around an optional sign and digits. False with
// "Please enter an integer." or "Please enter an integer between MIN and
// MAX." in `message`; `value` changes only on success.
bool ReadIntegerField(const std::string& text, int min, int max, int* value, std::string* message);
// A decimal number field (with a point, whatever the locale says): false
// with "Please enter a number." or "Please enter a number between MIN and
// MAX.".
bool ReadNumberField(const std::string& text, float min, float max, float* value, std::string* message);

// The text a number field shows: up to six significant digits ("0.5",
// "0.25", "1.5").
std::string NumberFieldText(float value);

// A margin in inches as the hundredths its spin button counts, rounded to
// the nearest (0.29 inch is 29, although 0.29 x 100 in single precision is
// a little below 29).
int MarginToSpin(float inches);
float SpinToMargin(int hundredths);

// A spin step: the new position, or false (refused) when it would leave
// low..high.
bool StepSpin(int position, int change, int low, int high, int* newPosition);

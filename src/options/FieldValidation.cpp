#include "options/FieldValidation.h"

#include <charconv>
#include <cmath>

#include "options/OptionsMessages.h"

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\r'; }

// The field without the blanks around it.
std::string Trimmed(const std::string& text)
{
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && IsBlank(text[begin])) ++begin;
    while (end > begin && IsBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

std::string RangeMessage(const char* format, const std::string& min, const std::string& max)
{
    std::string message = format;
    message.replace(message.find("%1"), 2, min);
    message.replace(message.find("%2"), 2, max);
    return message;
}

}  // namespace

bool ReadIntegerField(const std::string& text, int min, int max, int* value, std::string* message)
{
    std::string digits = Trimmed(text);
    if (!digits.empty() && digits[0] == '+') digits.erase(0, 1);
    long long number = 0;
    const char* first = digits.data();
    const char* last = digits.data() + digits.size();
    const auto [end, error] = std::from_chars(first, last, number);
    if (digits.empty() || end != last || error == std::errc::invalid_argument) {
        *message = kEnterInteger;
        return false;
    }
    if (error == std::errc::result_out_of_range || number < min || number > max) {
        *message = RangeMessage(kEnterIntegerBetween, std::to_string(min), std::to_string(max));
        return false;
    }
    *value = static_cast<int>(number);
    return true;
}

bool ReadNumberField(const std::string& text, float min, float max, float* value, std::string* message)
{
    std::string number = Trimmed(text);
    if (!number.empty() && number[0] == '+') number.erase(0, 1);
    // Plain decimal notation only: no "inf", "nan" or hexadecimal forms.
    bool plain = !number.empty();
    for (const char c : number)
        plain = plain && ((c >= '0' && c <= '9') || c == '.' || c == '-' || c == 'e' || c == 'E');
    float parsed = 0;
    const char* last = number.data() + number.size();
    const auto [end, error] = plain ? std::from_chars(number.data(), last, parsed, std::chars_format::general)
                                    : std::from_chars_result{number.data(), std::errc::invalid_argument};
    if (end != last || error == std::errc::invalid_argument) {
        *message = kEnterNumber;
        return false;
    }
    if (error == std::errc::result_out_of_range || !std::isfinite(parsed) || parsed < min || parsed > max) {
        *message = RangeMessage(kEnterNumberBetween, NumberFieldText(min), NumberFieldText(max));
        return false;
    }
    *value = parsed;
    return true;
}

std::string NumberFieldText(float value)
{
    char text[32];
    const auto result = std::to_chars(text, text + sizeof text, value, std::chars_format::general, 6);
    return std::string(text, result.ptr);
}

int MarginToSpin(float inches)
{
    // Settings are not range-checked when loaded.
    if (!std::isfinite(inches)) return 0;
    const double hundredths = std::fmax(-1e6, std::fmin(1e6, static_cast<double>(inches) * 100.0));
    return static_cast<int>(std::lround(hundredths));
}

float SpinToMargin(int hundredths) { return static_cast<float>(hundredths) * 0.01f; }

bool StepSpin(int position, int change, int low, int high, int* newPosition)
{
    const long next = static_cast<long>(position) + change;
    if (next < low || next > high) return false;
    *newPosition = static_cast<int>(next);
    return true;
}

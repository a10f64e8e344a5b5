#pragma once
#include <string>

// `format` with its first `placeholder` ("%1", "%s") replaced by `value`;
// unchanged when it has none.
std::string FillInPlaceholder(const std::string& format, const std::string& placeholder,
                              const std::string& value);

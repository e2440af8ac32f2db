#include "app/number_text.h"

#include "app/portable_number_text.h"

namespace tarvel {

// libstdc++ announces its floating-point conversions with this macro; the
// libc++ of the web build declares them but links none.
#if defined(__cpp_lib_to_chars)

std::to_chars_result writeShortest(char* first, char* last, double value) {
    return std::to_chars(first, last, value);
}
std::to_chars_result writeShortest(char* first, char* last, float value) {
    return std::to_chars(first, last, value);
}
std::to_chars_result writeSignificant(char* first, char* last, double value, int precision) {
    return std::to_chars(first, last, value, std::chars_format::general, precision);
}
std::from_chars_result readNumber(const char* first, const char* last, double& value) {
    return std::from_chars(first, last, value);
}
std::from_chars_result readNumber(const char* first, const char* last, float& value) {
    return std::from_chars(first, last, value);
}

#else

std::to_chars_result writeShortest(char* first, char* last, double value) {
    return portable::writeShortest(first, last, value);
}
std::to_chars_result writeShortest(char* first, char* last, float value) {
    return portable::writeShortest(first, last, value);
}
std::to_chars_result writeSignificant(char* first, char* last, double value, int precision) {
    return portable::writeSignificant(first, last, value, precision);
}
std::from_chars_result readNumber(const char* first, const char* last, double& value) {
    return portable::readNumber(first, last, value);
}
std::from_chars_result readNumber(const char* first, const char* last, float& value) {
    return portable::readNumber(first, last, value);
}

#endif

}  // namespace tarvel
